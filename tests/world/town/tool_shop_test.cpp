#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/tool_shop.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kCounter = "1. Buy Tokens\n2. Buy Bars\n3. Back To Town\n>";
constexpr int kMax = std::numeric_limits<int>::max();

TEST(ToolShopTest, TokenTotalsAreExactAndTheCounterStopsAtTheMaximum) {
    struct Case { int held; int gold; std::string typed; std::string said; int heldAfter, goldAfter; };
    const std::string poor = "You don't have enough money.\n" + P;
    const Case cases[] = {
        {0, 100, "61356676", poor, 0, 100},  // 70 times it wraps to 24 in 32 bits
        {0, kMax, "2000000000", poor, 0, kMax},
        {2147000000, kMax, "30000000",
         "You bought 30000000 tokens.\nYou now have a total of 2147483647 tokens.\n" + P, kMax, kMax - 2100000000},
    };
    for (const Case& c : cases) {
        TestWorld world("n\n\n1\n" + c.typed + "\n\n");
        Player hero;
        hero.SetTokens(c.held);
        hero.SetGold(c.gold);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
        const std::string out = world.Output();
        const std::size_t asked = out.find("buy?\n>") + 6;
        EXPECT_EQ(out.substr(asked, out.rfind(kCounter) - asked), c.said) << c.typed;
        EXPECT_EQ(hero.GetTokens(), c.heldAfter) << c.typed;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.typed;
    }
}

// The first tools go only to a hero without either kind (a negative count
// holds none); one kind without the other brings the question back.
TEST(ToolShopTest, TheLessonDependsOnTheToolsHeld) {
    struct Case { int tokens, bars, tokensAfter, barsAfter; bool counter; };
    const Case cases[] = {{-3, 0, 1, 1, true}, {0, 4, 0, 4, false}, {2, 5, 2, 5, true}};
    for (const Case& c : cases) {
        TestWorld world("y\n" + std::string(12, '\n'));
        Player hero;
        hero.SetTokens(c.tokens);
        hero.SetBars(c.bars);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
        EXPECT_EQ(hero.GetTokens(), c.tokensAfter) << c.tokens << "/" << c.bars;
        EXPECT_EQ(hero.GetBars(), c.barsAfter) << c.tokens << "/" << c.bars;
        EXPECT_EQ(world.Output().ends_with(kCounter), c.counter) << c.tokens << "/" << c.bars;
        EXPECT_EQ(world.Output().ends_with("tokens or bars?(y/n)\n>"), !c.counter) << c.tokens << "/" << c.bars;
    }
}

}  // namespace
}  // namespace vaskarn
