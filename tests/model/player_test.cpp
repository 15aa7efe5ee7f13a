#include <gtest/gtest.h>

#include <vector>

#include "model/player.h"

namespace vaskarn {
namespace {

TEST(PlayerTest, ArrowsClampAtZeroOtherCountersDoNot) {
    Player p;
    p.SetArrows(3);
    p.UseArrows(5);
    EXPECT_EQ(p.GetArrows(), 0);
    p.SetArrows(-1);
    EXPECT_EQ(p.GetArrows(), 0);
    p.AddArrows(7);
    p.UseArrows(-2);  // a negative use adds
    EXPECT_EQ(p.GetArrows(), 9);

    p.SetTokens(3);
    p.UseTokens(5);
    p.UseBars(1);
    p.AddDefense(3);
    EXPECT_EQ((std::vector{p.GetTokens(), p.GetBars(), p.GetDefense()}), (std::vector{-2, -1, 4}));
}

TEST(ItemsTest, EveryPotionCreatorGivesOneDose) {
    Potion p;
    p.SetAmount(9);
    p.CreateComboPotion("Redwood Combo Potion", 1000, 500, 8000);
    EXPECT_EQ(p.GetAmount(), 1);
}

}  // namespace
}  // namespace vaskarn
