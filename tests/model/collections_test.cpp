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
    EXPECT_EQ(world.Output(), "");

    for (int i = 4; i < 100; ++i) AddPotion(hero, "P" + std::to_string(i));
    AddPotion(hero, "Extra", 1, 250);
    EXPECT_EQ(world.TakeOutput(), "You can't hold any more potions, your potion inventory is full.\n" + kPause + "\n");
    EXPECT_EQ(hero.GetGold(), 350);
    AddPotion(hero, "P99");
    EXPECT_EQ(hero.GetPotion()[99]->GetAmount(), 2);

    world.SetInput("\n");  // a full inventory complains but refunds nothing
    Inventory item;
    item.CreateItem("Key", 500);
    for (int i = 0; i < 101; ++i) hero.AddItem(&item);
    EXPECT_EQ(world.TakeOutput(), "You don't have enough room in your inventory to store any more items.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 350);
}

// A namesake already held is given up and refunded, then the new one takes
// the lowest free slot as its own kind. A type that names no kind stores
// nothing, silently; neither does a special attack beyond the hundredth.
TEST(CollectionsTest, DuplicateSpellsAndSpecialAttacksAreReplacedWithRefund) {
    TestWorld world("\n\n\n\n");
    Player hero;
    Spell fireball, probe;
    fireball.SetName("Fireball"), fireball.SetPrice(50), fireball.SetSpellType(ST_FIREBALL);
    probe.SetName("Probe"), probe.SetSpellType(ST_PROBE);
    hero.AddSpell(&fireball), hero.AddSpell(&probe);
    fireball.SetPower(99);
    hero.AddSpell(&fireball);
    EXPECT_EQ(world.TakeOutput(), "You already have the spell Fireball.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 150);
    EXPECT_NE(dynamic_cast<Fireball*>(hero.GetSpell()[0].get()), nullptr);
    EXPECT_EQ(hero.GetSpell()[0]->GetPower(), 99);
    EXPECT_EQ(hero.GetSpell()[2], nullptr);
    fireball.SetSpellType(static_cast<Spell_Type>(-1));
    hero.AddSpell(&fireball);
    EXPECT_EQ(hero.GetSpell()[0], nullptr);
    EXPECT_EQ(hero.GetGold(), 200);

    Special_Attack cleave, other;
    cleave.SetName("Cleave"), cleave.SetPrice(8000), cleave.SetAttackType(ST_CLEAVE1);
    other.SetName("Stab"), other.SetAttackType(ST_STAB);
    hero.AddSpecialAttack(&cleave), hero.AddSpecialAttack(&other);
    cleave.SetPower(99);
    hero.AddSpecialAttack(&cleave);
    EXPECT_EQ(world.TakeOutput(), "You already have the spell Fireball.\n" + kPause +
                                      "You already have the special attack Cleave.\n" + kPause);
    EXPECT_EQ(hero.GetGold(), 8200);
    EXPECT_NE(dynamic_cast<Cleave1*>(hero.GetSpecialAttack()[0].get()), nullptr);
    EXPECT_EQ(hero.GetSpecialAttack()[0]->GetPower(), 99);
    other.SetName("Unheld"), other.SetAttackType(static_cast<Special_Attack_Type>(23));
    hero.AddSpecialAttack(&other);
    EXPECT_EQ(hero.GetSpecialAttack()[2], nullptr);
    other.SetAttackType(ST_STAB);
    for (int i = 2; i <= 100; ++i) other.SetName("Stab " + std::to_string(i)), hero.AddSpecialAttack(&other);
    EXPECT_EQ(hero.GetSpecialAttack()[99]->GetName(), "Stab 99");
    EXPECT_EQ(world.Output(), "");
    EXPECT_EQ(hero.GetGold(), 8200);
}

}  // namespace
}  // namespace vaskarn
