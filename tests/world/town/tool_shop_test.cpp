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
const std::string kAsk = "How many tokens do you want to buy?\n>";
const std::string kQuestion = "perhaps a tutorial on how to use tokens or bars?(y/n)\n>";
constexpr int kMax = std::numeric_limits<int>::max();

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(ToolShopTest, TokenTotalsAreExactAndCountersStopAtTheMaximum) {
    struct Case { int held; int gold; std::string typed; std::string said; int heldAfter; int goldAfter; };
    const std::string poor = "You don't have enough money.\n" + P;
    const Case cases[] = {
        {0, 140, "2", "You bought 2 tokens.\nYou now have a total of 2 tokens.\n" + P, 2, 0},
        {3, 140, "x", "You bought 0 tokens.\n" + P, 3, 140},
        {0, 140, "-1\n1", kAsk + "You bought 1 tokens.\nYou now have a total of 1 tokens.\n" + P, 1, 70},
        {0, 100, "61356676", poor, 0, 100},  // 70 times it wraps to 24 in 32 bits
        {0, kMax, "2000000000", poor, 0, kMax},
        {2147000000, kMax, "30000000", "You bought 30000000 tokens.\nYou now have a total of 2147483647 tokens.\n" + P,
         kMax, kMax - 2100000000},
    };
    for (const Case& c : cases) {
        TestWorld world("n\n\n1\n" + c.typed + "\n\n");
        Player hero;
        hero.SetTokens(c.held);
        hero.SetGold(c.gold);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
        const std::string out = world.Output();
        const std::size_t asked = out.find(kAsk) + kAsk.size();
        EXPECT_EQ(out.substr(asked, out.rfind(kCounter) - asked), c.said) << c.typed;
        EXPECT_EQ(hero.GetTokens(), c.heldAfter) << c.typed;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.typed;
        EXPECT_EQ(hero.GetBars(), 0);
    }
}

// The lesson gives the first tools only to a hero without either; one kind
// without the other brings the question back.
TEST(ToolShopTest, TheLessonDependsOnTheToolsHeld) {
    struct Case { int tokens; int bars; int tokensAfter; int barsAfter; std::size_t questions; bool counter; };
    const Case cases[] = {
        {0, 0, 1, 1, 1, true},
        {-3, 0, 1, 1, 1, true},
        {1, 0, 1, 0, 2, false},
        {0, 4, 0, 4, 2, false},
        {2, 5, 2, 5, 1, true},
    };
    for (const Case& c : cases) {
        TestWorld world("y\n" + std::string(12, '\n'));
        Player hero;
        hero.SetTokens(c.tokens);
        hero.SetBars(c.bars);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, tool); }));
        const std::string out = world.Output();
        EXPECT_EQ(hero.GetTokens(), c.tokensAfter) << c.tokens << "/" << c.bars;
        EXPECT_EQ(hero.GetBars(), c.barsAfter) << c.tokens << "/" << c.bars;
        EXPECT_EQ(Count(out, kQuestion), c.questions) << c.tokens << "/" << c.bars;
        EXPECT_EQ(out.ends_with(kCounter), c.counter) << c.tokens << "/" << c.bars;
    }
}

}  // namespace
}  // namespace vaskarn
