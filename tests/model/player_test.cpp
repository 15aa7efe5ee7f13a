#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/player.h"

namespace vaskarn {
namespace {

template <typename SlotArray>
std::size_t HeldOf(const SlotArray& slots) {
    return static_cast<std::size_t>(
        std::count_if(slots.begin(), slots.end(), [](const auto& s) { return s != nullptr; }));
}

TEST(PlayerTest, NewHeroHasTheStartingValues) {
    const Player p;
    EXPECT_EQ(std::tuple(p.GetName(), p.GetGroupName(), p.GetBowName()), std::tuple("Hero", "Hero", ""));
    // group, level, gold, HP, MP and energy with their maxima, XP
    EXPECT_EQ((std::vector{p.GetGroup(), p.GetLevel(), p.GetGold(), p.GetHP(), p.GetMaxHP(), p.GetMP(), p.GetMaxMP(),
                           p.GetEnergy(), p.GetMaxEnergy(), p.GetXP()}),
              (std::vector{1, 1, 100, 40, 40, 10, 10, 20, 20, 0}));
    // attack, defense, strength, the two skills, materials, job, bank, bow power, arrows
    EXPECT_EQ((std::vector{p.GetAttack(), p.GetDefense(), p.GetStrength(), p.GetHerbloreLevel(), p.GetHerbloreXP(),
                           p.GetSmithingLevel(), p.GetSmithingXP(), p.GetTokens(), p.GetBars(), p.GetWorkshopJob(),
                           p.GetBankAmount(), p.GetBowPower(), p.GetArrows()}),
              (std::vector{1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(p.IsPoisoned() || p.HasBow());
    EXPECT_EQ(std::tuple(p.GetWeapon()->GetName(), p.GetWeapon()->GetDamage(), p.GetWeapon()->GetPrice()),
              std::tuple("Bent Dagger", 2, 0));
    for (const Armor* piece : {p.GetCape(), p.GetHelm(), p.GetPlatebody(), p.GetPlatelegs(), p.GetShield(),
                               p.GetGauntlets()})
        EXPECT_EQ(std::tuple(piece->GetName(), piece->GetProtection(), piece->GetPrice()), std::tuple("", 0, 0));
    EXPECT_FALSE(p.GetGrasslands() || p.GetForest() || p.GetMeadow() || p.GetOceanCity() || p.GetForest2() ||
                 p.GetMountain() || p.GetHeaven() || p.GetSwamp() || p.GetGraveyard() || p.GetHellFire() ||
                 p.GetVroengard() || p.GetCastle() || p.GetRuneKing() || p.GetPeace() || p.GetKing());
    EXPECT_EQ((std::vector{HeldOf(p.GetPotion()), HeldOf(p.GetSpell()), HeldOf(p.GetSpecialAttack()),
                           HeldOf(p.GetInventory()), HeldOf(p.GetGodPower()), HeldOf(p.GetBlessings())}),
              (std::vector<std::size_t>(6, 0)));
    EXPECT_EQ((std::vector{p.GetPotion().size(), p.GetSpell().size(), p.GetSpecialAttack().size(),
                           p.GetInventory().size(), p.GetGodPower().size(), p.GetBlessings().size()}),
              (std::vector<std::size_t>{100, 100, 100, 100, 10, 20}));
}

TEST(PlayerTest, ArrowsClampAtZeroOtherCountersDoNot) {
    Player p;
    p.SetArrows(3);
    p.UseArrows(5);
    EXPECT_EQ(p.GetArrows(), 0);
    p.SetArrows(-1);
    EXPECT_EQ(p.GetArrows(), 0);
    p.AddArrows(7);
    p.UseArrows(-2);  // a negative use adds
    EXPECT_EQ(p.GetArrows(), 9);

    p.SetTokens(3);
    p.UseTokens(5);
    p.UseBars(1);
    p.AddDefense(3);
    EXPECT_EQ((std::vector{p.GetTokens(), p.GetBars(), p.GetDefense(), p.GetAttack()}), (std::vector{-2, -1, 4, 1}));
    EXPECT_TRUE(p.SetKing(false));  // every flag setter answers true
    EXPECT_TRUE(p.SetGrasslands(true) && p.GetGrasslands() && !p.GetKing());
}

TEST(PlayerTest, BowNameKeepsTheOldNameUnlessTheNewOneFitsGroupNameIsCut) {
    Player p;
    p.SetBowName("Shortbow");
    p.SetBowName("");
    p.SetBowName(std::string(36, 'b'));
    EXPECT_EQ(p.GetBowName(), "Shortbow");
    p.SetBowName(std::string(35, 'c'));
    EXPECT_EQ(p.GetBowName(), std::string(35, 'c'));
    p.SetGroupName(std::string(50, 'g'));
    EXPECT_EQ(p.GetGroupName(), std::string(35, 'g'));
}

TEST(ItemsTest, PotionCreatorsGiveOneDoseAndNamesFit) {
    using Make = void (*)(Potion&);
    const std::vector<std::pair<Make, std::tuple<int, int, int>>> creators = {  // HP, MP, price
        {[](Potion& p) { p.CreateHealthPotion("Tree Root Health Potion", 10, 5); }, {10, 0, 5}},
        {[](Potion& p) { p.CreateManaPotion("Tree Root Mana Potion", 50, 100); }, {0, 50, 100}},
        {[](Potion& p) { p.CreateComboPotion("Redwood Combo Potion", 1000, 500, 8000); }, {1000, 500, 8000}},
        {[](Potion& p) { p.CreatePotion("Elixir", 1, 2, 3); }, {1, 2, 3}},
    };
    for (const auto& [make, values] : creators) {
        Potion p;
        p.SetAmount(9);
        make(p);
        EXPECT_EQ(std::tuple(p.GetHPRestore(), p.GetMPRestore(), p.GetPrice()), values) << p.GetName();
        EXPECT_EQ(p.GetAmount(), 1) << p.GetName();
        p.UseAmount(1);
        EXPECT_EQ(p.GetAmount(), 0);
    }

    Inventory item;
    item.CreateItem(std::string(35, 'n'), 20000);
    EXPECT_EQ(item.GetName(), std::string(35, 'n'));
    item.CreateItem(std::string(40, 'm'), 1);
    EXPECT_EQ(item.GetName(), std::string(35, 'm'));
    Blessings blessing;
    blessing.CreateBlessing("The Blessing Of The Fish", 5000);
    const Blessings copy(&blessing);
    EXPECT_EQ(std::tuple(copy.GetName(), copy.GetValue()), std::tuple("The Blessing Of The Fish", 5000));
}

}  // namespace
}  // namespace vaskarn
