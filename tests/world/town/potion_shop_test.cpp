#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "abilities/spells.h"
#include "model/player.h"
#include "support/test_world.h"
#include "world/town/potion_shop.h"
#include "world/town/spell_shop.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kMenu = "1. Health Potions\n2. Mana Potions\n3. Back To Town\n>";
const std::string kAsk = "How many do you want to buy?\n>";
constexpr int kMax = std::numeric_limits<int>::max();
constexpr const char* kSmall = "Small Health Potion";

// Buys the first health potion, answering `typed` to the quantity; returns
// what the shop says after the question, up to its menu.
std::string BuySmall(Player& hero, const std::string& typed) {
    TestWorld world("1\n1\n" + typed + "\n\n");
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, potionshop); }));
    const std::string out = world.Output();
    const std::size_t asked = out.find(kAsk) + kAsk.size();
    return out.substr(asked, out.rfind(kMenu) - asked);
}

int HeldSmall(const Player& hero) {
    const Potion* held = FindByName(hero.GetPotion(), kSmall);
    return held ? held->GetAmount() : 0;
}

TEST(PotionShopTest, TotalsAreExactAndBoughtAtOnce) {
    struct Case {
        const char* what;
        int held;    // Small Health Potions already carried
        bool full;   // the rest of the list filled with other potions
        int gold;
        std::string typed;
        std::string said;
        int goldAfter;
        int heldAfter;
    };
    const std::string poor = "You don't have enough money.\n" + P;
    const std::string full = "You can't hold any more potions, your potion inventory is full.\n" + P + "\n";
    const Case cases[] = {
        {"exact gold", 0, false, 60, "3", "You bought 3 Small Health Potions.\n" + P, 0, 3},
        {"none", 0, false, 60, "0", "You bought 0 Small Health Potions.\n" + P, 60, 0},
        {"asks again", 0, false, 60, "-1\nx\n1", kAsk + kAsk + "You bought 1 Small Health Potions.\n" + P, 40, 1},
        {"total wraps to 4 in 32 bits", 0, false, 100, "214748365", poor, 100, 0},
        {"two billion", 0, false, kMax, "2000000000", poor, kMax, 0},
        {"a hundred million", 0, false, kMax, "100000000", "You bought 100000000 Small Health Potions.\n" + P,
         kMax - 2000000000, 100000000},
        {"amount stops at the maximum", 2100000000, false, kMax, "100000000",
         "You bought 100000000 Small Health Potions.\n" + P, kMax - 2000000000, kMax},
        {"full list", 0, true, 100, "2", full, 100, 0},
        {"full list, poor first", 0, true, 10, "2", poor, 10, 0},
        {"full list, none", 0, true, 100, "0", "You bought 0 Small Health Potions.\n" + P, 100, 0},
        {"full list, held potion", 1, true, 100, "2", "You bought 2 Small Health Potions.\n" + P, 60, 3},
    };
    for (const Case& c : cases) {
        Player hero;
        hero.SetGold(c.gold);
        Potion p;
        p.CreatePotion(kSmall, 10, 0, 20);
        if (c.held > 0) hero.AddPotions(&p, c.held);
        for (int i = 0; c.full && LowestFree(hero.GetPotion()); ++i) {
            p.SetName("Brew " + std::to_string(i));
            hero.AddPotion(&p);
        }
        EXPECT_EQ(BuySmall(hero, c.typed), c.said) << c.what;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.what;
        EXPECT_EQ(HeldSmall(hero), c.heldAfter) << c.what;
    }
}

// "0" in the health list leads to the shop's menu; "0" in the mana list
// hands control back to whoever opened the shop, which here ends the run.
TEST(PotionShopTest, OnlyTheManaListsCancelLeavesTheShop) {
    TestWorld world("1\n0\n2\n0\n");
    Player hero;
    EXPECT_FALSE(world.EndsGame([&] { RunScreens(&hero, potionshop); }));
    const std::string out = world.Output();
    EXPECT_EQ(out.find(kMenu, kMenu.size()), out.find("0. Cancel\n>\n") + 12);
    EXPECT_EQ(out.substr(out.size() - 12), "0. Cancel\n>\n");
}

TEST(PotionShopTest, BoughtSpellAndPotionsSurviveSaveAndLoad) {
    TestWorld world("1\n\n1\n1\n3\n\n");
    Player hero;
    hero.SetGold(110);
    spellshop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, potionshop); }));
    ASSERT_TRUE(hero.Save());

    Player loaded;
    loaded.Load();
    EXPECT_EQ(loaded.GetGold(), 0);
    EXPECT_NE(dynamic_cast<Fireball*>(loaded.GetSpell()[0].get()), nullptr);
    EXPECT_EQ(HeldSmall(loaded), 3);
    EXPECT_EQ(FindByName(loaded.GetPotion(), kSmall)->GetHPRestore(), 10);
}

}  // namespace
}  // namespace vaskarn
