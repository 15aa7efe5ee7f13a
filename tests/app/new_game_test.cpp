#include <gtest/gtest.h>

#include <array>
#include <string>

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

// The status-screen transcripts show each class's pools, weapon and gifts;
// the class number is only ever seen here and in the save file.
TEST(NewGameTest, EachClassSetsItsNumberAndLeavesWithEmptyPacks) {
    const struct {
        char key;
        int group;
        int pools[3];
    } rows[] = {
        {'1', 1, {40, 10, 20}}, {'2', 2, {20, 30, 15}}, {'3', 3, {30, 25, 20}},
        {'4', 4, {40, 10, 30}}, {'5', 5, {25, 15, 25}},
    };
    for (const auto& row : rows) {
        TestWorld world(Creation("alice", std::string(1, row.key)));
        Player hero;
        hero.SetHP(1);
        Inventory item;
        item.CreateItem("Old Key", 5);
        hero.AddItem(&item);
        Blessings blessing;
        blessing.CreateBlessing("Old Luck", 5);
        hero.AddBlessing(&blessing);
        Potion potion;
        potion.CreatePotion("Old Potion", 5, 5, 5);
        hero.AddPotion(&potion);

        SetPlayer(&hero);
        EXPECT_EQ(hero.GetGroup(), row.group) << row.key;
        EXPECT_EQ((std::array{hero.GetHP(), hero.GetMP(), hero.GetEnergy()}),
                  (std::array{row.pools[0], row.pools[1], row.pools[2]}));
        EXPECT_EQ(hero.GetWeapon()->GetPrice(), 0);
        EXPECT_FALSE(hero.GetInventory()[0]);
        EXPECT_FALSE(hero.GetBlessings()[0]);
        EXPECT_FALSE(hero.GetPotion()[0]);
    }
}

TEST(NewGameTest, GiftsAreTheirOwnKinds) {
    TestWorld world(Creation("merla", "2") + Creation("bran", "1"));
    Player monk;
    SetPlayer(&monk);
    EXPECT_NE(dynamic_cast<const Fireball*>(monk.GetSpell()[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Minor_Healing*>(monk.GetSpell()[1].get()), nullptr);
    EXPECT_EQ(monk.GetSpell()[0]->GetSpellType(), ST_FIREBALL);
    EXPECT_EQ(monk.GetSpell()[1]->GetSpellType(), ST_MINOR_HEALING);
    Player squire;
    SetPlayer(&squire);
    EXPECT_NE(dynamic_cast<const Cleave1*>(squire.GetSpecialAttack()[0].get()), nullptr);
    EXPECT_EQ(squire.GetSpecialAttack()[0]->GetAttackType(), ST_CLEAVE1);
    EXPECT_EQ(squire.GetSpecialAttack()[0]->GetPrice(), 8000);
}

}  // namespace
}  // namespace vaskarn
