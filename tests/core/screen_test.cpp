#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "core/screen.h"

namespace vaskarn {
namespace {

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Screens here keep their trail in statics that every test resets first.
int moves = 0;
std::string trail;

Transition East(Player*);
Transition West(Player*) { return ++moves >= 1000000 ? Back() : GoTo(East); }
Transition East(Player*) { return ++moves, GoTo(West); }

TEST(ScreenLoopTest, AMillionMovesBetweenTwoScreensRunInFlatMemory) {
    moves = 0;
    const long before = PeakKilobytes();
    ScreenLoop loop(nullptr);
    loop.Run(West);
    EXPECT_EQ(moves - 1, 1000000);  // visits, less the first, are moves
    EXPECT_EQ(loop.DeepestWaiting(), 0u);
    // Nested calls would need a stack frame per move: a million of them
    // would overflow the stack or swell the peak by many megabytes.
    EXPECT_LT(PeakKilobytes() - before, 1024);
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

// A town that opens a shop, whose sub-shop goes "back to town": a walk of
// any length leaves at most one screen waiting.
int townVisits = 0;
Transition Town(Player*);
Transition SubShop(Player*) { return ReturnTo(Town); }
Transition Armory(Player*) { return GoTo(SubShop); }
Transition Town(Player*) { return ++townVisits > 100000 ? Back() : Open(Armory); }

TEST(ScreenLoopTest, ReturningToAPlaceForgetsEveryWaitingScreen) {
    townVisits = 0;
    ScreenLoop loop(nullptr);
    loop.Run(Town);
    EXPECT_EQ(townVisits, 100001);
    EXPECT_EQ(loop.DeepestWaiting(), 1u);
}

}  // namespace
}  // namespace vaskarn
