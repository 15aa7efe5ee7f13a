#include "core/screen.h"

#include <gtest/gtest.h>

namespace vaskarn {
namespace {

// Every kind of move is in the transcripts; what they cannot show is that
// nothing piles up. Two screens move to each other a million times, and a
// town opens a shop whose sub-shop goes "back to town" a thousand times.
int moves = 0;

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

}  // namespace
}  // namespace vaskarn
