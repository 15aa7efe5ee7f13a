#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/archery_shop.h"

namespace vaskarn {
namespace {

// The total is exact: a quantity whose price passes what any hero can hold
// is refused like any other the hero cannot pay, and the count of arrows
// stops at the largest number.
TEST(ArcheryShopTest, ArrowTotalsAreExactAndTheCountStopsAtTheMaximum) {
    const struct { int gold, arrows, quantity, goldAfter, arrowsAfter; } cases[] = {
        {INT_MAX, 0, 107'374'182, 7, 107'374'182},  // 2,147,483,640 gold
        {INT_MAX, 0, 107'374'183, INT_MAX, 0},      // one more passes 32 bits
        {2000, INT_MAX - 5, 100, 0, INT_MAX},
    };
    for (const auto& c : cases) {
        testing::TestWorld world("\n2\n" + std::to_string(c.quantity) + "\n\n");
        Player hero;
        hero.SetGold(c.gold);
        hero.SetArrows(c.arrows);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, archery_shop); }));
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetArrows()), std::tuple(c.goldAfter, c.arrowsAfter)) << c.quantity;
    }
}

}  // namespace
}  // namespace vaskarn
