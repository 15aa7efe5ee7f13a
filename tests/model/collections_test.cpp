#include <gtest/gtest.h>

#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kPause = "\nPress the Enter key to continue\n\n";

void AddPotion(Player& hero, const std::string& name, int amount = 1, int price = 10) {
    Potion p;
    p.CreatePotion(name, 5, 3, price);
    p.SetAmount(amount);
    hero.AddPotion(&p);
}

TEST(CollectionsTest, PotionsStackFillGapsAndRefundWhenFull) {
    TestWorld world("\n");
    Player hero;
    AddPotion(hero, "Small Health Potion");
    AddPotion(hero, "Small Health Potion");
    AddPotion(hero, "Mana Potion", 5);
    AddPotion(hero, "Mana Potion", 5);  // a held name gains exactly one unit
    EXPECT_EQ(hero.GetPotion()[0]->GetAmount(), 2);
    EXPECT_EQ(hero.GetPotion()[1]->GetAmount(), 6);
    AddPotion(hero, "Third");
    AddPotion(hero, "Fourth");
    hero.GetPotion()[2].reset();
    AddPotion(hero, "Gap");
    EXPECT_EQ(hero.GetPotion()[2]->GetName(), "Gap");
    hero.AddPotion(nullptr);
    EXPECT_EQ(world.Output(), "");

    for (int i = 4; i < 100; ++i) AddPotion(hero, "P" + std::to_string(i));
    AddPotion(hero, "Extra", 1, 250);
    EXPECT_EQ(world.TakeOutput(), "You can't hold any more potions, your potion inventory is full.\n" + kPause + "\n");
    EXPECT_EQ(hero.GetGold(), 350);
    AddPotion(hero, "P99");
    EXPECT_EQ(hero.GetPotion()[99]->GetAmount(), 2);
}

TEST(CollectionsTest, DuplicateAbilitiesAreReplacedInPlaceWithRefund) {
    TestWorld world("\n\n\n\n");
    Player hero;
    Spell fireball;
    fireball.SetName("Fireball"), fireball.SetPrice(50), fireball.SetSpellType(ST_FIREBALL);
    hero.AddSpell(&fireball);
    fireball.SetPower(99);
    hero.AddSpell(&fireball);
    EXPECT_EQ(world.TakeOutput(), "You already have the spell Fireball.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 150);
    EXPECT_NE(dynamic_cast<Fireball*>(hero.GetSpell()[0].get()), nullptr);
    EXPECT_EQ(hero.GetSpell()[0]->GetPower(), 99);
    fireball.SetName("Unheld"), fireball.SetSpellType(static_cast<Spell_Type>(40));
    hero.AddSpell(&fireball);
    EXPECT_EQ(hero.GetSpell()[1], nullptr);
    EXPECT_EQ(world.Output(), "");
    hero.SetGold(100);

    Special_Attack blade;
    blade.SetName("Fire Blade"), blade.SetPrice(30), blade.SetAttackType(ST_FIREBLADE);
    hero.AddSpecialAttack(&blade);
    Special_Attack other;
    other.SetName("Other"), other.SetAttackType(ST_0);
    hero.AddSpecialAttack(&other);
    blade.SetEnergyCost(9);
    hero.AddSpecialAttack(&blade);
    EXPECT_EQ(world.TakeOutput(), "You already have the special attack Fire Blade.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 130);
    EXPECT_NE(dynamic_cast<Fire_Blade*>(hero.GetSpecialAttack()[0].get()), nullptr);
    EXPECT_EQ(hero.GetSpecialAttack()[0]->GetEnergyCost(), 9);
    EXPECT_EQ(hero.GetSpecialAttack()[1]->GetName(), "Other");
    EXPECT_EQ(hero.GetSpecialAttack()[2], nullptr);

    // No kind for the type: nothing stored, silently, yet a held namesake is
    // still given up and refunded.
    blade.SetAttackType(static_cast<Special_Attack_Type>(40));
    hero.AddSpecialAttack(&blade);
    EXPECT_EQ(hero.GetSpecialAttack()[0], nullptr);
    EXPECT_EQ(hero.GetGold(), 160);
    blade.SetName("Unheld");
    hero.AddSpecialAttack(&blade);
    EXPECT_EQ(hero.GetSpecialAttack()[0], nullptr);
    EXPECT_EQ(world.TakeOutput(), "You already have the special attack Fire Blade.\n" + kPause);
}

TEST(CollectionsTest, FullCollectionsDropOrComplainWithoutRefund) {
    TestWorld world("\n");
    Player hero;
    Blessings blessing;
    blessing.CreateBlessing("The Blessing Of The Fish", 5000);
    God_Power power;
    power.CreateGodPower("Thunder", 12);
    for (int i = 0; i < 21; ++i) hero.AddBlessing(&blessing), hero.AddGod_Power(&power);
    EXPECT_EQ(hero.GetBlessings()[19]->GetName(), "The Blessing Of The Fish");
    EXPECT_EQ(hero.GetGodPower()[9]->GetPower(), 12);
    EXPECT_EQ(world.Output(), "");

    Inventory item;
    item.CreateItem("Key", 500);
    for (int i = 0; i < 101; ++i) hero.AddItem(&item);
    EXPECT_EQ(world.TakeOutput(), "You don't have enough room in your inventory to store any more items.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 100);
}

TEST(CollectionsTest, TheCallersObjectIsNeverStored) {
    TestWorld world;
    Player hero;
    Potion potion;
    potion.CreatePotion("Elixir", 1, 1, 1);
    Inventory item;
    item.CreateItem("Map", 1);
    Blessings blessing;
    blessing.CreateBlessing("Luck", 2);
    blessing.SetPrice(77);
    hero.AddPotion(&potion), hero.AddItem(&item), hero.AddBlessing(&blessing);
    potion.SetName("Changed"), potion.SetAmount(50), item.SetName("Changed"), blessing.SetValue(-1);
    EXPECT_EQ(hero.GetPotion()[0]->GetName(), "Elixir");
    EXPECT_EQ(hero.GetPotion()[0]->GetAmount(), 1);
    EXPECT_EQ(hero.GetInventory()[0]->GetName(), "Map");
    EXPECT_EQ(hero.GetBlessings()[0]->GetValue(), 2);
    EXPECT_EQ(hero.GetBlessings()[0]->GetPrice(), 0);
}

}  // namespace
}  // namespace vaskarn
