#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/archery_shop.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kGreeting =
    "You stand in a market full of bows and arrows of all kinds.\n"
    "To your left is Lowe, who is sorting out some arrows.\n\n"
    "Lowe:\nOh, hello. My name is Lowe. Look around the area and\n"
    "buy all the archery equipment you want.\n\n" + P;
const std::string kMenu = "1. Buy Bows\n2. Buy Arrows\n3. Back To Town\n>";
const std::string kAsk = "Lowe:\nArrows cost 20 gold coins each. How many would\nyou like to buy?\n\n0. Cancel\n>";

std::string Visit(Player& hero, const std::string& input) {
    TestWorld world("\n" + input);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, archery_shop); }));
    return world.Output();
}

// The total is exact: a quantity whose price passes what any hero can hold
// is refused like any other the hero cannot pay, and the count of arrows
// stops at the largest number.
TEST(ArcheryShopTest, ArrowsCostExactlyTwentyEach) {
    const struct {
        int gold, arrows, quantity;
        bool sold;
        int goldAfter, arrowsAfter;
    } cases[] = {
        {100, 0, 5, true, 0, 5},
        {99, 0, 5, false, 99, 0},
        {INT_MAX, 0, 107'374'182, true, 7, 107'374'182},  // 2,147,483,640 gold
        {INT_MAX, 0, 107'374'183, false, INT_MAX, 0},     // one more passes 32 bits
        {INT_MAX, 0, 2'000'000'000, false, INT_MAX, 0},
        {INT_MAX, 3, INT_MAX, false, INT_MAX, 3},
        {2000, INT_MAX - 5, 100, true, 0, INT_MAX},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGold(c.gold);
        hero.SetArrows(c.arrows);
        const std::string out = Visit(hero, "2\n" + std::to_string(c.quantity) + "\n\n");
        const std::string said =
            c.sold ? "You pay Lowe " + std::to_string(20LL * c.quantity) + " gold coins, and he\nhands you " +
                         std::to_string(c.quantity) + " arrows.\nYou have " + std::to_string(c.goldAfter) +
                         " gold left to spend.\nYou now have " + std::to_string(c.arrowsAfter) + " arrows.\n" + P
                   : "\nYou don't have enough money.\n\n" + P + "\n";
        EXPECT_EQ(out, kGreeting + kMenu + "\n\n" + kAsk + said + kMenu) << c.quantity;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetArrows()), std::tuple(c.goldAfter, c.arrowsAfter)) << c.quantity;
    }
}

TEST(ArcheryShopTest, TheArrowQuestionAsksAgainOrStartsOver) {
    Player hero;
    // A negative number, or one too long to read, asks again from the empty
    // line; 0 starts the shop over with Lowe's greeting.
    const std::string out = Visit(hero, "2\n-2\n99999999999\n0\n\n");
    EXPECT_EQ(out, kGreeting + kMenu + "\n\n" + kAsk + "\n\n0. Cancel\n>\n\n0. Cancel\n>" + kGreeting + kMenu);
}

TEST(ArcheryShopTest, BowsReplaceEachOtherAndRefusalsChangeNothing) {
    Player hero;
    hero.SetGold(1300);
    const std::string out = Visit(hero, "x\n1\n2\n\n1\n\n3\n\n4\n");
    EXPECT_NE(out.find(kMenu + "\n\n" + kMenu + "\n\n1. Shortbow\n Ranged Power: 3 - Price: 200\n\n"), std::string::npos);
    EXPECT_NE(out.find(">\n\nYou bought the Oak Shortbow!\n" + P + "1. Shortbow"), std::string::npos);
    EXPECT_NE(out.find(">\n\nYou bought the Shortbow!\n" + P), std::string::npos);
    EXPECT_NE(out.find(">\n\n\nLowe:\nYou seem to be a bit short on money.\n" + P + "1. Shortbow"), std::string::npos);
    EXPECT_NE(out.find("3. Maple Shortbow\n Ranged Power: 11 - Price: 5000\n\n\n0. Cancel\n>\n\n\n1. Shortbow"),
              std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.HasBow(), std::string(hero.GetBowName()), hero.GetBowPower()),
              std::tuple(100, true, std::string("Shortbow"), 3));
}

// Leaving by the menu or by the bow list's cancel goes to the square afresh.
TEST(ArcheryShopTest, BothWaysOutLeadToTheTownSquare) {
    for (const char* input : {"3\n\n", "1\n0\n"}) {
        Player hero;
        TestWorld world(std::string("\n") + input);
        Transition next = archery_shop(&hero);
        while (next.kind == Transition::Kind::GoTo) next = next.target.Show(&hero);
        EXPECT_EQ(next.kind, Transition::Kind::ReturnTo) << input;
        EXPECT_TRUE(next.target == town) << input;
    }
}

}  // namespace
}  // namespace vaskarn
