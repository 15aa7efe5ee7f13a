#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "core/screen.h"
#include "crafting/herblore.h"
#include "crafting/smithing.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// The Bronze Sword (2 bars, 20 XP, which stop at the 32-bit edge) and the
// answer to the wield question: yes or no check the smithing level 20 times,
// any other answer not at all.
TEST(SmithingTest, WieldAnswerDecidesTheWeaponAndTheLevelChecks) {
    const struct { const char* answer; const char* weapon; int level; } cases[] = {
        {"y\n\n", "Bronze Sword", 21}, {"no\n", "Bent Dagger", 21}, {"sure\n", "Bent Dagger", 1}};
    for (const auto& c : cases) {
        TestWorld world(std::string("1\ny\n\n") + c.answer + std::string(20, '\n') + "0\n");
        Player hero;
        hero.SetBars(2);
        hero.SetSmithingXP(INT_MAX - 5);
        RunScreens(&hero, smithweapon);
        EXPECT_EQ(std::tuple(std::string(hero.GetWeapon()->GetName()), hero.GetSmithingLevel(), hero.GetBars(),
                             hero.GetSmithingXP()),
                  std::tuple(std::string(c.weapon), c.level, 0, INT_MAX)) << c.answer;
    }
}

// What is made holds its power, and its cost in bars or tokens as its price
// (as the player file keeps it).
TEST(CraftingTest, CraftedWeaponHelmAndPotionHoldTheirValues) {
    // The Iron Axe, the Bronze Med Helm and two Frog Health Potions.
    TestWorld world("3\ny\n\nyes\n\n\n\n0\n" "1\nyes\ny\n\n0\n" "9\n\n\n9\n\n\n0\n");
    Player hero;
    hero.SetBars(13);
    hero.SetTokens(4);
    RunScreens(&hero, smithweapon);
    RunScreens(&hero, smitharmor);
    RunScreens(&hero, makepotion);
    const Weapon& w = *hero.GetWeapon();
    const Armor& h = *hero.GetHelm();
    const Potion* p = hero.GetPotion()[0].get();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::tuple(std::string(w.GetName()), w.GetDamage(), w.GetPrice(), std::string(h.GetName()),
                         h.GetProtection(), h.GetPrice()),
              std::tuple(std::string("Iron Axe"), 16, 10, std::string("Bronze Med Helm"), 2, 3));
    EXPECT_EQ(std::tuple(std::string(p->GetName()), p->GetHPRestore(), p->GetMPRestore(), p->GetPrice(), p->GetAmount()),
              std::tuple(std::string("Frog Health Potion"), 10, 0, 2, 2));
    EXPECT_EQ(std::tuple(hero.GetBars(), hero.GetTokens(), hero.GetSmithingXP(), hero.GetHerbloreXP()),
              std::tuple(0, 0, 160, 80));
}

}  // namespace
}  // namespace vaskarn
