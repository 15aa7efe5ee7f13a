#include <gtest/gtest.h>

#include <string>

#include "model/player.h"

namespace vaskarn {
namespace {

template <typename SlotArray>
bool AllEmpty(const SlotArray& slots) {
    for (const auto& slot : slots)
        if (slot) return false;
    return true;
}

TEST(PlayerTest, NewHeroHasTheStartingValues) {
    const Player p;
    EXPECT_EQ(p.GetName(), "Hero");
    EXPECT_EQ(p.GetGroupName(), "Hero");
    EXPECT_EQ(p.GetGroup(), 1);
    EXPECT_EQ(p.GetLevel(), 1);
    EXPECT_EQ(p.GetGold(), 100);
    EXPECT_EQ(p.GetHP(), 40);
    EXPECT_EQ(p.GetMaxHP(), 40);
    EXPECT_EQ(p.GetMP(), 10);
    EXPECT_EQ(p.GetMaxMP(), 10);
    EXPECT_EQ(p.GetEnergy(), 20);
    EXPECT_EQ(p.GetMaxEnergy(), 20);
    EXPECT_EQ(p.GetXP(), 0);
    EXPECT_FALSE(p.IsPoisoned());
    EXPECT_EQ(p.GetAttack(), 1);
    EXPECT_EQ(p.GetDefense(), 1);
    EXPECT_EQ(p.GetStrength(), 1);
    EXPECT_EQ(p.GetHerbloreLevel(), 1);
    EXPECT_EQ(p.GetHerbloreXP(), 0);
    EXPECT_EQ(p.GetSmithingLevel(), 1);
    EXPECT_EQ(p.GetSmithingXP(), 0);
    EXPECT_EQ(p.GetTokens(), 0);
    EXPECT_EQ(p.GetBars(), 0);
    EXPECT_EQ(p.GetWorkshopJob(), 0);
    EXPECT_EQ(p.GetBankAmount(), 0);
    EXPECT_FALSE(p.HasBow());
    EXPECT_EQ(p.GetBowName(), "");
    EXPECT_EQ(p.GetBowPower(), 0);
    EXPECT_EQ(p.GetArrows(), 0);
    EXPECT_EQ(p.GetWeapon()->GetName(), "Bent Dagger");
    EXPECT_EQ(p.GetWeapon()->GetDamage(), 2);
    EXPECT_EQ(p.GetWeapon()->GetPrice(), 0);
    for (const Armor* piece : {p.GetCape(), p.GetHelm(), p.GetPlatebody(), p.GetPlatelegs(), p.GetShield(),
                               p.GetGauntlets()}) {
        EXPECT_EQ(piece->GetName(), "");
        EXPECT_EQ(piece->GetProtection(), 0);
        EXPECT_EQ(piece->GetPrice(), 0);
    }
    EXPECT_FALSE(p.GetGrasslands() || p.GetForest() || p.GetMeadow() || p.GetOceanCity() || p.GetForest2() ||
                 p.GetMountain() || p.GetHeaven() || p.GetSwamp() || p.GetGraveyard() || p.GetHellFire() ||
                 p.GetVroengard() || p.GetCastle() || p.GetRuneKing() || p.GetPeace() || p.GetKing());
    EXPECT_TRUE(AllEmpty(p.GetPotion()));
    EXPECT_TRUE(AllEmpty(p.GetSpell()));
    EXPECT_TRUE(AllEmpty(p.GetSpecialAttack()));
    EXPECT_TRUE(AllEmpty(p.GetInventory()));
    EXPECT_TRUE(AllEmpty(p.GetGodPower()));
    EXPECT_TRUE(AllEmpty(p.GetBlessings()));
    EXPECT_EQ(p.GetPotion().size(), 100u);
    EXPECT_EQ(p.GetSpell().size(), 100u);
    EXPECT_EQ(p.GetSpecialAttack().size(), 100u);
    EXPECT_EQ(p.GetInventory().size(), 100u);
    EXPECT_EQ(p.GetGodPower().size(), 10u);
    EXPECT_EQ(p.GetBlessings().size(), 20u);
}

TEST(PlayerTest, ArrowsNeverDropBelowZero) {
    Player p;
    p.SetArrows(3);
    p.UseArrows(5);
    EXPECT_EQ(p.GetArrows(), 0);
    p.SetArrows(-1);
    EXPECT_EQ(p.GetArrows(), 0);
    p.AddArrows(7);
    p.UseArrows(-2);  // a negative use adds
    EXPECT_EQ(p.GetArrows(), 9);
}

TEST(PlayerTest, MaterialsAndStatsAddWithoutClamp) {
    Player p;
    p.SetTokens(3);
    p.UseTokens(5);
    EXPECT_EQ(p.GetTokens(), -2);
    p.UseBars(1);
    EXPECT_EQ(p.GetBars(), -1);
    p.AddDefense(3);
    EXPECT_EQ(p.GetDefense(), 4);
    EXPECT_EQ(p.GetAttack(), 1);
}

TEST(PlayerTest, BowNameKeepsTheOldNameUnlessTheNewOneFits) {
    Player p;
    p.SetBowName("Shortbow");
    p.SetBowName("");
    EXPECT_EQ(p.GetBowName(), "Shortbow");
    p.SetBowName(std::string(36, 'b'));
    EXPECT_EQ(p.GetBowName(), "Shortbow");
    p.SetBowName(std::string(35, 'c'));
    EXPECT_EQ(p.GetBowName(), std::string(35, 'c'));
}

TEST(PlayerTest, GroupNameIsCutToItsField) {
    Player p;
    p.SetGroupName(std::string(50, 'g'));
    EXPECT_EQ(p.GetGroupName(), std::string(35, 'g'));
}

TEST(PlayerTest, FlagSettersAlwaysReturnTrue) {
    Player p;
    EXPECT_TRUE(p.SetKing(false));
    EXPECT_TRUE(p.SetGrasslands(true));
    EXPECT_TRUE(p.GetGrasslands());
}

TEST(ItemsTest, PotionCreatorsGiveOneDoseAndNamesFit) {
    Potion p;
    p.CreateHealthPotion("Tree Root Health Potion", 10, 5);
    EXPECT_EQ(p.GetAmount(), 1);
    EXPECT_EQ(p.GetMPRestore(), 0);
    p.CreateManaPotion("Tree Root Mana Potion", 50, 100);
    EXPECT_EQ(p.GetAmount(), 1);
    EXPECT_EQ(p.GetHPRestore(), 0);
    p.CreateComboPotion("Redwood Combo Potion", 1000, 500, 8000);
    EXPECT_EQ(p.GetAmount(), 1);
    p.UseAmount(1);
    EXPECT_EQ(p.GetAmount(), 0);

    Inventory item;
    item.CreateItem(std::string(35, 'n'), 20000);
    EXPECT_EQ(item.GetName(), std::string(35, 'n'));
    item.CreateItem(std::string(40, 'm'), 1);
    EXPECT_EQ(item.GetName(), std::string(35, 'm'));

    Blessings blessing;
    blessing.CreateBlessing("The Blessing Of The Fish", 5000);
    const Blessings copy(&blessing);
    EXPECT_EQ(copy.GetName(), "The Blessing Of The Fish");
    EXPECT_EQ(copy.GetValue(), 5000);
}

}  // namespace
}  // namespace vaskarn
