#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/grasslands/peter.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

constexpr int kMaxInt = std::numeric_limits<int>::max();

// Into Peter's potions, one purchase of `quantity` of offer `number`, and its
// pause; the list shown again then finds the input at its end.
std::string BuyPotions(Player& hero, int number, const std::string& quantity) {
    TestWorld world("\n4\n\n" + std::to_string(number) + "\n" + quantity + "\n\n");
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(wooden_house); }));
    const std::string out = world.Output();
    const std::size_t asked = out.find("s would you like to buy?\n>");
    return out.substr(asked + 26, out.find("\nPress the Enter key", asked) - asked - 26);
}

void FillPotionList(Player& hero, int slots) {
    for (int i = 0; i < slots; ++i) {
        Potion p;
        p.CreatePotion("Brew " + std::to_string(i), 1, 1, 1);
        hero.AddPotion(&p);
    }
}

int Amount(const Player& hero, const char* name) {
    const Potion* held = FindByName(hero.GetPotion(), name);
    return held ? held->GetAmount() : 0;
}

TEST(PeterTest, PotionTotalsAreExactAndAQuantityIsOnePurchase) {
    {
        Player hero;  // 12000 x 2147483647 would wrap in 32 bits
        hero.SetGold(kMaxInt);
        EXPECT_EQ(BuyPotions(hero, 10, "2147483647"), "You don't have enough money.\n");
        EXPECT_EQ(hero.GetGold(), kMaxInt);
        EXPECT_EQ(CountHeld(hero.GetPotion()), 0u);
    }
    {
        Player hero;  // four hundred million at once, in one step
        hero.SetGold(kMaxInt);
        EXPECT_EQ(BuyPotions(hero, 1, "400000000"), "You bought 400000000 Tree Root Health Potions.\n");
        EXPECT_EQ(hero.GetGold(), kMaxInt - 2000000000);
        EXPECT_EQ(Amount(hero, "Tree Root Health Potion"), 400000000);
    }
    {
        Player hero;  // exactly enough
        hero.SetGold(50);
        EXPECT_EQ(BuyPotions(hero, 2, "5"), "You bought 5 Bark Health Potions.\n");
        EXPECT_EQ(hero.GetGold(), 0);
        EXPECT_EQ(Amount(hero, "Bark Health Potion"), 5);
    }
    {
        Player hero;  // a negative quantity buys nothing, and says so
        EXPECT_EQ(BuyPotions(hero, 2, "-3"), "You bought 0 Bark Health Potions.\n");
        EXPECT_EQ(hero.GetGold(), 100);
        EXPECT_EQ(CountHeld(hero.GetPotion()), 0u);
    }
}

TEST(PeterTest, AFullPotionListTakesNoGold) {
    Player hero;
    hero.SetGold(1000);
    FillPotionList(hero, 99);
    Potion bark;
    bark.CreatePotion("Bark Health Potion", 20, 0, 10);
    hero.AddPotion(&bark);
    EXPECT_EQ(BuyPotions(hero, 1, "3"), "You can't hold any more potions, your potion inventory is full.\n");
    EXPECT_EQ(hero.GetGold(), 1000);
    // A potion already held still has room for more.
    EXPECT_EQ(BuyPotions(hero, 2, "3"), "You bought 3 Bark Health Potions.\n");
    EXPECT_EQ(hero.GetGold(), 970);
    EXPECT_EQ(Amount(hero, "Bark Health Potion"), 4);
}

// The mage and the scout are turned away; the others see their own lists.
TEST(PeterTest, GauntletsFollowTheClass) {
    const struct {
        int group;
        const char* shown;
    } cases[] = {
        {1, "1. Leather Vambraces:\n Defense: 2\n Price: 20\n\n"},
        {2, "\n\n\nThere are no gauntlets available for the mage class.\n\n\n"},
        {3, "1. Leather Vambraces:\n Defense: 3\n Price: 20\n\n"},
        {4, "1. Leather Gloves:\n Defense: 1\n Price: 20\n\n"},
        {5, "\n\n\nThere are no gauntlets available for the scout class.\n\n\n"},
        {7, "You walk into a small room"},  // a class the game does not know: the house again
    };
    for (const auto& c : cases) {
        TestWorld world("\n3\n");
        Player hero;
        hero.SetGroup(c.group);
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(wooden_house); }));
        EXPECT_NE(world.Output().find(">\n\n" + std::string(c.shown)), std::string::npos) << c.group;
    }
}

// A long answer to "Pay Peter?" is read whole: what follows the word must
// not answer the next question.
TEST(PeterTest, TheRumoursAskForTheAmountOnItsOwnLine) {
    TestWorld world("\n2\n\nyes I will pay you whatever you like old man\n100\n");
    Player hero;
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(wooden_house); }));
    EXPECT_NE(world.Output().find("Peter: How much will you pay me?\n>Peter:\nThey say"), std::string::npos);
    EXPECT_EQ(hero.GetGold(), 0);
}

}  // namespace
}  // namespace vaskarn
