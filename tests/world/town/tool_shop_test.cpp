#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/tool_shop.h"

namespace vaskarn {
namespace {

TEST(ToolShopTest, TokenTotalsAreExactAndTheCounterStopsAtTheMaximum) {
    const struct { int held, gold; std::string typed; int heldAfter, goldAfter; } cases[] = {
        {0, 100, "61356676", 0, 100},  // 70 times it wraps to 24 in 32 bits
        {2147000000, INT_MAX, "30000000", INT_MAX, INT_MAX - 2100000000},
    };
    for (const auto& c : cases) {
        testing::TestWorld world("n\n\n1\n" + c.typed + "\n\n");
        Player hero;
        hero.SetTokens(c.held);
        hero.SetGold(c.gold);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
        EXPECT_EQ(std::tuple(hero.GetTokens(), hero.GetGold()), std::tuple(c.heldAfter, c.goldAfter)) << c.typed;
    }
}

// A negative count (only a damaged file holds one) is no tools at all: the
// first tools and their lesson.
TEST(ToolShopTest, ANegativeCountGetsTheFirstTools) {
    testing::TestWorld world("y\n" + std::string(12, '\n'));
    Player hero;
    hero.SetTokens(-3);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
    EXPECT_EQ(std::tuple(hero.GetTokens(), hero.GetBars()), std::tuple(1, 1));
}

}  // namespace
}  // namespace vaskarn
