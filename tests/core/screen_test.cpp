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
    RunScreens(nullptr, West);
    EXPECT_EQ(moves - 1, 1000000);  // visits, less the first, are moves
    // Nested calls would need a stack frame per move: a million of them
    // would overflow the stack or swell the peak by many megabytes.
    EXPECT_LT(PeakKilobytes() - before, 1024);
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

}  // namespace
}  // namespace vaskarn
