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
constexpr int kMax = std::numeric_limits<int>::max();
constexpr const char* kSmall = "Small Health Potion";

int HeldSmall(const Player& hero) {
    const Potion* held = FindByName(hero.GetPotion(), kSmall);
    return held ? held->GetAmount() : 0;
}

// Small Health Potions (20 gold) bought by the number typed.
TEST(PotionShopTest, TotalsAreExactPotionsComeAtOnceAndAFullListTakesNothing) {
    struct Case { int held; bool full; int gold; std::string typed; std::string said; int goldAfter, heldAfter; };
    const std::string poor = "You don't have enough money.\n" + P;
    const std::string full = "You can't hold any more potions, your potion inventory is full.\n" + P + "\n";
    const std::string bought = "You bought 100000000 Small Health Potions.\n" + P;
    const Case cases[] = {
        {0, false, 100, "214748365", poor, 100, 0},  // 20 times it wraps to 4 in 32 bits
        {0, false, kMax, "2000000000", poor, kMax, 0},
        {0, false, kMax, "100000000", bought, kMax - 2000000000, 100000000},
        {2100000000, false, kMax, "100000000", bought, kMax - 2000000000, kMax},
        {0, true, 100, "2", full, 100, 0},
        {0, true, 10, "2", poor, 10, 0},
        {0, true, 100, "0", "You bought 0 Small Health Potions.\n" + P, 100, 0},
        {1, true, 100, "2", "You bought 2 Small Health Potions.\n" + P, 60, 3},
    };
    for (const Case& c : cases) {
        TestWorld world("1\n1\n" + c.typed + "\n\n");
        Player hero;
        hero.SetGold(c.gold);
        Potion p;
        p.CreatePotion(kSmall, 10, 0, 20);
        hero.AddPotions(&p, c.held);
        for (int i = 0; c.full && LowestFree(hero.GetPotion()); ++i) {
            p.SetName("Brew " + std::to_string(i));
            hero.AddPotion(&p);
        }
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, potionshop); }));
        const std::string out = world.Output();
        const std::size_t asked = out.find("buy?\n>") + 6;
        EXPECT_EQ(out.substr(asked, out.rfind("1. Health Potions") - asked), c.said) << c.typed;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.typed;
        EXPECT_EQ(HeldSmall(hero), c.heldAfter) << c.typed;
    }
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
