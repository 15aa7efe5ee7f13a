#include "core/screen.h"

#include <gtest/gtest.h>

#include <string>

namespace vaskarn {
namespace {

// Screens here keep their trail in statics that every test resets first.
int moves = 0;
std::string trail;

// Two screens moving to each other a million times, and a town that opens a
// shop whose sub-shop goes "back to town" as often: nothing piles up.
Transition East(Player*);
Transition West(Player*) { return ++moves > 1000000 ? Back() : GoTo(East); }
Transition East(Player*) { return ++moves, GoTo(West); }
Transition Town(Player*);
Transition SubShop(Player*) { return ReturnTo(Town); }
Transition Armory(Player*) { return GoTo(SubShop); }
Transition Town(Player*) { return ++moves > 1000 ? Back() : Open(Armory); }

TEST(ScreenLoopTest, MovesRunFlatAndReturningForgetsEveryWaitingScreen) {
    moves = 0;
    ScreenLoop walk(nullptr);
    walk.Run(West);  // nested calls would overflow the stack
    EXPECT_EQ(moves, 1000001);
    EXPECT_EQ(walk.DeepestWaiting(), 0u);
    moves = 0;
    ScreenLoop shopping(nullptr);
    shopping.Run(Town);
    EXPECT_EQ(moves, 1001);
    EXPECT_EQ(shopping.DeepestWaiting(), 1u);
}

// A corridor of cells; a cell carries its position. Cell 2 stays once; from
// cell 3 the status screen is opened once, which opens a counter of its
// own: each hands control back to its opener, the status screen and then
// cell 3 (not cell 0), which runs again with its numbers.
Transition Counter(Player*) { return trail += "counter,", Back(); }
Transition Status(Player*) {
    trail += "status,";
    return trail.ends_with("3:7,status,") ? Open(Counter) : Back();
}
Transition Cell(Player*, int x, int y) {
    const std::string here = std::to_string(x) + ":" + std::to_string(y) + ",";
    const bool again = trail.ends_with(here);
    trail += here;
    if (x == 2 && !again) return Stay();
    if (x == 3 && trail.find("status") == std::string::npos) return Open(Status);
    return x == 5 ? Back() : GoTo(Screen(Cell, x + 1, y));
}

TEST(ScreenLoopTest, StayingOpeningAndResumingWithTheNumbersCarried) {
    trail.clear();
    RunScreens(nullptr, Screen(Cell, 0, 7));
    EXPECT_EQ(trail, "0:7,1:7,2:7,2:7,3:7,status,counter,status,3:7,4:7,5:7,");
    EXPECT_EQ(Screen(Cell, 1, 2), Screen(Cell, 1, 2));
    EXPECT_FALSE(Screen(Cell, 1, 2) == Screen(Cell, 2, 1));
    EXPECT_FALSE(Screen(Status) == Screen(Cell, 0, 0));
}

}  // namespace
}  // namespace vaskarn
