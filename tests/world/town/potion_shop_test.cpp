#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/potion_shop.h"

namespace vaskarn {
namespace {

// Small Health Potions (20 gold) bought by the number typed: the total is
// exact, the potions come at once, and the count stops at the largest number.
TEST(PotionShopTest, TotalsAreExactAndPotionsComeAtOnce) {
    const struct { int held, gold; std::string typed; int goldAfter, heldAfter; } cases[] = {
        {0, 100, "214748365", 100, 0},  // 20 times it wraps to 4 in 32 bits
        {0, INT_MAX, "100000000", INT_MAX - 2000000000, 100000000},
        {2100000000, INT_MAX, "100000000", INT_MAX - 2000000000, INT_MAX},
    };
    for (const auto& c : cases) {
        testing::TestWorld world("1\n1\n" + c.typed + "\n\n");
        Player hero;
        hero.SetGold(c.gold);
        Potion p;
        p.CreatePotion("Small Health Potion", 10, 0, 20);
        hero.AddPotions(&p, c.held);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, potionshop); }));
        const Potion* held = FindByName(hero.GetPotion(), "Small Health Potion");
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.typed;
        EXPECT_EQ(held ? held->GetAmount() : 0, c.heldAfter) << c.typed;
    }
}

}  // namespace
}  // namespace vaskarn
