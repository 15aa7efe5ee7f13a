#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/grasslands/peter.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::Visit;

constexpr int kMaxInt = std::numeric_limits<int>::max();

// Into Peter's potions, one purchase of `quantity` of offer `number`; the
// answer up to its pause.
std::string BuyPotions(Player& hero, int number, const std::string& quantity) {
    const std::string out = Visit(hero, wooden_house, "\n4\n\n" + std::to_string(number) + "\n" + quantity + "\n\n");
    const std::size_t asked = out.find("s would you like to buy?\n>") + 26;
    return out.substr(asked, out.find("\nPress the Enter key", asked) - asked);
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
    }
}

TEST(PeterTest, AFullPotionListTakesNoGold) {
    Player hero;
    hero.SetGold(1000);
    for (int i = 0; i < 99; ++i) {
        Potion p;
        p.CreatePotion("Brew " + std::to_string(i), 1, 1, 1);
        hero.AddPotion(&p);
    }
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

// The mage and the scout are turned away (the warrior's list is the
// grasslands_peter transcript); a class the game does not know sees the house.
TEST(PeterTest, GauntletsFollowTheClass) {
    const struct {
        int group;
        const char* shown;
    } cases[] = {
        {2, "\n\n\nThere are no gauntlets available for the mage class.\n\n\n"},
        {5, "\n\n\nThere are no gauntlets available for the scout class.\n\n\n"},
        {7, "You walk into a small room"},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGroup(c.group);
        EXPECT_TRUE(Has(Visit(hero, wooden_house, "\n3\n"), ">\n\n" + std::string(c.shown))) << c.group;
    }
}

// A long answer to "Pay Peter?" is read whole: what follows the word must
// not answer the next question.
TEST(PeterTest, TheRumoursAskForTheAmountOnItsOwnLine) {
    Player hero;
    const std::string out = Visit(hero, wooden_house, "\n2\n\nyes I will pay you whatever you like old man\n100\n");
    EXPECT_TRUE(Has(out, "Peter: How much will you pay me?\n>Peter:\nThey say"));
    EXPECT_EQ(hero.GetGold(), 0);
}

}  // namespace
}  // namespace vaskarn
