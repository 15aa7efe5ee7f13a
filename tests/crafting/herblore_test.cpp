#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "core/screen.h"
#include "crafting/herblore.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

// A full potion list would turn the tokens into gold: the pot refuses a new
// potion before mixing; one already held still gains a dose, and its XP
// stops at the 32-bit edge.
TEST(HerbloreTest, FullPotionListRefusesANewPotionBeforeTakingTokens) {
    testing::TestWorld world("9\n\n10\n\n0\n");
    Player hero;
    hero.SetTokens(6);
    hero.SetHerbloreXP(INT_MAX - 1);
    hero.SetHerbloreLevel(11000);  // 20 x 11000 x 11000 lies above every 32-bit XP
    for (int i = 0; i < 100; ++i) {
        Potion p;
        p.CreatePotion(i == 0 ? "Bullfrog Health Potion" : "Filler " + std::to_string(i), 1, 0, 5);
        hero.AddPotion(&p);
    }
    RunScreens(&hero, makepotion);
    EXPECT_NE(world.Output().find(">You can't hold any more potions, your potion inventory is full.\n"
                                  "\nPress the Enter key to continue\n\n1. "),
              std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetTokens(), hero.GetGold(), hero.GetHerbloreXP(), hero.GetPotion()[0]->GetAmount()),
              std::tuple(2, 100, INT_MAX, 2));
}

}  // namespace
}  // namespace vaskarn
