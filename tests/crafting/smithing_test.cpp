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

// The Bronze Sword (2 bars, 20 XP) and the answer to the wield question:
// only yes or no check the smithing level.
TEST(SmithingTest, WieldAnswerDecidesTheWeaponAndTheLevelChecks) {
    const struct { const char* answer; const char* weapon; int level; } cases[] = {
        {"y\n\n\n", "Bronze Sword", 2}, {"no\n\n", "Bent Dagger", 2}, {"sure\n", "Bent Dagger", 1}};
    for (const auto& c : cases) {
        TestWorld world(std::string("1\ny\n\n") + c.answer + "0\n");
        Player hero;
        hero.SetBars(2);
        RunScreens(&hero, smithweapon);
        EXPECT_EQ(std::tuple(std::string(hero.GetWeapon()->GetName()), hero.GetSmithingLevel(), hero.GetBars()),
                  std::tuple(std::string(c.weapon), c.level, 0)) << c.answer;
    }
}

TEST(SmithingTest, AHelmChecksTheLevelOnceWhateverItsXP) {
    TestWorld world("12\ny\nn\n\n0\n");
    Player hero;
    hero.SetBars(120);
    RunScreens(&hero, smitharmor);
    EXPECT_EQ(std::tuple(hero.GetSmithingLevel(), hero.GetSmithingXP(), hero.GetBars()), std::tuple(2, 2400, 0));
}

// Bars and XP stop at the 32-bit edge.
TEST(SmithingTest, BarsAndXPNeverWrap) {
    TestWorld world("1\ny\n\nn\n0\n");
    Player hero;
    hero.SetBars(INT_MAX);
    hero.SetSmithingXP(INT_MAX - 5);
    hero.SetSmithingLevel(11000);  // 20 x 11000 x 11000 lies above every 32-bit XP
    RunScreens(&hero, smithweapon);
    EXPECT_EQ(std::tuple(hero.GetBars(), hero.GetSmithingXP()), std::tuple(INT_MAX - 2, INT_MAX));
}

TEST(CraftingFileTest, CraftedWeaponHelmAndPotionSurviveSaveAndLoad) {
    // The Iron Axe, the Bronze Med Helm and two Frog Health Potions.
    TestWorld world("3\ny\n\nyes\n\n\n\n0\n" "1\nyes\ny\n\n0\n" "9\n\n\n9\n\n\n0\n");
    Player hero;
    hero.SetBars(13);
    hero.SetTokens(4);
    RunScreens(&hero, smithweapon);
    RunScreens(&hero, smitharmor);
    RunScreens(&hero, makepotion);
    ASSERT_TRUE(hero.Save());
    Player loaded;
    loaded.Load();
    const Weapon& w = *loaded.GetWeapon();
    const Armor& h = *loaded.GetHelm();
    const Potion* p = loaded.GetPotion()[0].get();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::tuple(std::string(w.GetName()), w.GetDamage(), w.GetPrice(), std::string(h.GetName()),
                         h.GetProtection(), h.GetPrice()),
              std::tuple(std::string("Iron Axe"), 16, 10, std::string("Bronze Med Helm"), 2, 3));
    EXPECT_EQ(std::tuple(std::string(p->GetName()), p->GetHPRestore(), p->GetPrice(), p->GetAmount()),
              std::tuple(std::string("Frog Health Potion"), 10, 2, 2));
    EXPECT_EQ(std::tuple(loaded.GetBars(), loaded.GetTokens(), loaded.GetSmithingXP(), loaded.GetHerbloreXP()),
              std::tuple(0, 0, 160, 80));
}

}  // namespace
}  // namespace vaskarn
