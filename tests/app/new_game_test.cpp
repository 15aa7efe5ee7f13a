#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "app/new_game.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Enter at the greeting, the name, the class line, Enter at the warning.
std::string Creation(const std::string& name, const std::string& classLines) {
    return "\n" + name + "\n" + classLines + "\n\n";
}

TEST(NewGameTest, NamesAreCapitalisedAndCutTo19) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"aLiCe", "Alice"},
        {"o'NEIL", "O'neil"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "Abcdefghijklmnopqrs"},
        {"\xC3\xA9LISE", "\xC3\xA9lise"},  // bytes above 127 pass through
    };
    for (const auto& c : cases) {
        TestWorld world(Creation(std::string(c.typed) + " more words", "x\n9\n4 more"));
        Player hero;
        SetPlayer(&hero);
        EXPECT_EQ(hero.GetName(), c.stored);
        EXPECT_EQ(hero.GetGroupName(), "Knave");
    }
}

// Each class takes its row: title, number, full pools and weapon (each
// class's transcript shows the row's values); the packs are emptied.
TEST(NewGameTest, EachClassTakesItsRow) {
    for (const HeroClass& row : HeroClasses()) {
        TestWorld world(Creation("alice", std::string(1, row.key)));
        Player hero;
        hero.SetHP(1);
        Inventory item;
        item.CreateItem("Old Key", 5);
        Blessings blessing;
        blessing.CreateBlessing("Old Luck", 5);
        Potion potion;
        potion.CreatePotion("Old Potion", 5, 5, 5);
        hero.AddItem(&item), hero.AddBlessing(&blessing), hero.AddPotion(&potion);

        SetPlayer(&hero);
        EXPECT_EQ(std::tuple(std::string(hero.GetGroupName()), hero.GetGroup(), hero.GetHP(), hero.GetMaxHP(),
                             hero.GetMP(), hero.GetMaxMP(), hero.GetEnergy(), hero.GetMaxEnergy()),
                  std::tuple(std::string(row.title), row.group, row.maxhp, row.maxhp, row.maxmp, row.maxmp,
                             row.maxenergy, row.maxenergy));
        EXPECT_EQ(std::tuple(std::string(hero.GetWeapon()->GetName()), hero.GetWeapon()->GetDamage(),
                             hero.GetWeapon()->GetPrice()),
                  std::tuple(std::string(row.weapon), row.damage, 0));
        EXPECT_FALSE(hero.GetInventory()[0] || hero.GetBlessings()[0] || hero.GetPotion()[0]);
        EXPECT_EQ(hero.HasBow(), row.gift == StartingGift::Shortbow);
    }
}

// The gifts are their own kinds (the class transcripts show their values).
TEST(NewGameTest, GiftsAreTheirOwnKinds) {
    TestWorld world(Creation("merla", "2") + Creation("bran", "1"));
    Player monk, squire;
    SetPlayer(&monk);
    SetPlayer(&squire);
    EXPECT_NE(dynamic_cast<const Fireball*>(monk.GetSpell()[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Minor_Healing*>(monk.GetSpell()[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Cleave1*>(squire.GetSpecialAttack()[0].get()), nullptr);
    EXPECT_FALSE(monk.GetSpecialAttack()[0] || squire.GetSpell()[0]);
}

}  // namespace
}  // namespace vaskarn
