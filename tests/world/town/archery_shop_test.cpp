#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/archery_shop.h"

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

// A number too long to read counts as a negative one: the question again.
TEST(ArcheryShopTest, AnUnreadableQuantityAsksAgain) {
    Player hero;
    hero.SetGold(INT_MAX);
    EXPECT_EQ(Visit(hero, "2\n99999999999\n"), kGreeting + kMenu + "\n\n" + kAsk + "\n\n0. Cancel\n>");
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetArrows()), std::tuple(INT_MAX, 0));
}

}  // namespace
}  // namespace vaskarn
