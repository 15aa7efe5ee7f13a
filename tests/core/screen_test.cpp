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

Transition West(Player*);
Transition East(Player*);

Transition West(Player*) {
    if (++moves >= 1000000) return Back();
    return GoTo(East);
}

Transition East(Player*) {
    ++moves;
    return GoTo(West);
}

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

// A corridor of cells; a cell carries its position. From cell 3 the status
// screen is opened once, and must hand control back to cell 3, not cell 0.
bool statusSeen = false;
Transition Status(Player*) {
    trail += "status,";
    return Back();
}

Transition Cell(Player*, int x, int y) {
    trail += std::to_string(x) + ":" + std::to_string(y) + ",";
    if (x == 3 && !statusSeen) {
        statusSeen = true;
        return Open(Status);
    }
    if (x == 5) return Back();
    return GoTo(Screen(Cell, x + 1, y));
}

TEST(ScreenLoopTest, AWaitingScreenResumesWithTheNumbersItCarries) {
    trail.clear();
    statusSeen = false;
    RunScreens(nullptr, Screen(Cell, 0, 7));
    EXPECT_EQ(trail, "0:7,1:7,2:7,3:7,status,3:7,4:7,5:7,");
    EXPECT_EQ(Screen(Cell, 1, 2), Screen(Cell, 1, 2));
    EXPECT_FALSE(Screen(Cell, 1, 2) == Screen(Cell, 2, 1));
    EXPECT_FALSE(Screen(Status) == Screen(Cell, 0, 0));
}

int hubVisits = 0;
bool sawCounter = false;
Transition Hub(Player*);
Transition Shop(Player*);
Transition Counter(Player*);

Transition Counter(Player*) {
    trail += "counter,";
    return Back();
}

Transition Shop(Player*) {
    trail += "shop,";
    if (!sawCounter) {
        sawCounter = true;
        return Open(Counter);
    }
    return Back();
}

Transition Hub(Player*) {
    trail += "hub,";
    if (++hubVisits == 1) return Open(Shop);
    return Back();
}

TEST(ScreenLoopTest, OpenedScreensHandControlBackToTheirOpener) {
    trail.clear();
    hubVisits = 0;
    sawCounter = false;
    RunScreens(nullptr, Hub);
    EXPECT_EQ(trail, "hub,shop,counter,shop,hub,");
}

int stays = 0;
Transition Restless(Player*) { return ++stays < 3 ? Stay() : Back(); }

TEST(ScreenLoopTest, StayShowsTheSameScreenAgain) {
    stays = 0;
    RunScreens(nullptr, Restless);
    EXPECT_EQ(stays, 3);
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
