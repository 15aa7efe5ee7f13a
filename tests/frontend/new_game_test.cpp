#include <gtest/gtest.h>

#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "frontend/new_game.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Everything creation reads: Enter at the greeting, the name, the class key
// line, Enter at the warning.
std::string Creation(const std::string& name, const std::string& classLines) {
    return "\n" + name + "\n" + classLines + "\n\n";
}

template <typename SlotArray>
int Held(const SlotArray& slots) {
    int count = 0;
    for (const auto& slot : slots) count += slot ? 1 : 0;
    return count;
}

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return static_cast<std::int32_t>(value);
}

std::string TextAt(const std::string& bytes, std::size_t offset) {
    return std::string(bytes.substr(offset, 36).c_str());
}

TEST(NewGameTest, EachClassGetsItsTitlePoolsWeaponAndGifts) {
    struct Expected {
        char key;
        const char* title;
        int group, hp, mp, energy;
        const char* weapon;
        int damage;
    };
    const Expected rows[] = {
        {'1', "Squire", 1, 40, 10, 20, "Bronze Dagger", 6},  {'2', "Monk", 2, 20, 30, 15, "Staff", 2},
        {'3', "Archer", 3, 30, 25, 20, "Wooden Stick", 1},   {'4', "Knave", 4, 40, 10, 30, "Tin Blade", 5},
        {'5', "Watchman", 5, 25, 15, 25, "Copper Sword", 3},
    };
    for (const Expected& row : rows) {
        TestWorld world(Creation("alice", std::string(1, row.key)));
        Player hero;
        SetPlayer(&hero);
        EXPECT_EQ(hero.GetGroupName(), row.title);
        EXPECT_EQ(hero.GetGroup(), row.group);
        EXPECT_EQ(hero.GetHP(), row.hp) << row.title;
        EXPECT_EQ(hero.GetMaxHP(), row.hp);
        EXPECT_EQ(hero.GetMP(), row.mp);
        EXPECT_EQ(hero.GetMaxMP(), row.mp);
        EXPECT_EQ(hero.GetEnergy(), row.energy);
        EXPECT_EQ(hero.GetMaxEnergy(), row.energy);
        EXPECT_EQ(hero.GetWeapon()->GetName(), row.weapon);
        EXPECT_EQ(hero.GetWeapon()->GetDamage(), row.damage);
        EXPECT_EQ(hero.GetWeapon()->GetPrice(), 0);
        EXPECT_EQ(hero.GetGold(), 100);
        EXPECT_EQ(hero.HasBow(), row.key == '3');
        EXPECT_EQ(Held(hero.GetSpell()), row.key == '2' ? 2 : 0);
        EXPECT_EQ(Held(hero.GetSpecialAttack()), row.key == '1' ? 1 : 0);
        EXPECT_NE(world.Output().find("the world Alice the " + std::string(row.title) +
                                      ", for everyone needs you!\n\n\nPress the Enter key to continue\n\n"),
                  std::string::npos);
    }
}

TEST(NewGameTest, GiftsAreTheRightKinds) {
    TestWorld mage(Creation("merla", "2"));
    Player monk;
    SetPlayer(&monk);
    const Spell* first = monk.GetSpell()[0].get();
    const Spell* second = monk.GetSpell()[1].get();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetName(), "Fireball");
    EXPECT_NE(dynamic_cast<const Fireball*>(first), nullptr);
    EXPECT_EQ(first->GetSpellType(), ST_FIREBALL);
    EXPECT_EQ(first->GetMPCost(), 10);
    EXPECT_EQ(first->GetPower(), 10);
    EXPECT_EQ(first->GetPrice(), 50);
    EXPECT_EQ(second->GetName(), "Minor Healing");
    EXPECT_NE(dynamic_cast<const Minor_Healing*>(second), nullptr);
    EXPECT_EQ(second->GetMPCost(), 5);
    EXPECT_EQ(second->GetPower(), 20);
    EXPECT_EQ(second->GetPrice(), 200);

    TestWorld warrior(Creation("bran", "1"));
    Player squire;
    SetPlayer(&squire);
    const Special_Attack* cleave = squire.GetSpecialAttack()[0].get();
    ASSERT_TRUE(cleave);
    EXPECT_NE(dynamic_cast<const Cleave1*>(cleave), nullptr);
    EXPECT_EQ(cleave->GetName(), "Cleave");
    EXPECT_EQ(cleave->GetAttackType(), ST_CLEAVE1);
    EXPECT_EQ(cleave->GetEnergyCost(), 55);
    EXPECT_EQ(cleave->GetPower(), 36);
    EXPECT_EQ(cleave->GetPrice(), 8000);

    TestWorld archer(Creation("robin", "3"));
    Player marksman;
    SetPlayer(&marksman);
    EXPECT_EQ(marksman.GetBowName(), "Shortbow");
    EXPECT_EQ(marksman.GetBowPower(), 3);
    EXPECT_EQ(marksman.GetArrows(), 50);
}

TEST(NewGameTest, NamesAreCapitalisedAndCut) {
    const struct {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"aLiCe", "Alice"},
        {"o'NEIL", "O'neil"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "Abcdefghijklmnopqrs"},
        {"x", "X"},
        {"\xC3\xA9LISE", "\xC3\xA9lise"},  // bytes above 127 pass through untouched
    };
    for (const auto& c : cases) {
        TestWorld world(Creation(std::string(c.typed) + " and more words", "4"));
        Player hero;
        SetPlayer(&hero);
        EXPECT_EQ(hero.GetName(), c.stored);
    }
}

TEST(NewGameTest, ClassMenuRepeatsUntilAClassIsChosen) {
    TestWorld world(Creation("alice", "x\n\n9\n3 more words"));
    Player hero;
    SetPlayer(&hero);
    EXPECT_EQ(hero.GetGroupName(), "Archer");
    const std::string menu =
        "1. A Fierce Warrior\n2. A Powerful Mage\n3. An Expert Marksman\n4. A Cunning Thief\n"
        "5. An Adventurous Scout\n>";
    // Two bad keys: each shows the menu again after two empty lines.
    EXPECT_NE(world.Output().find("what do you favor yourself as?\n\n\n" + menu + "\n\n" + menu + "\n\n" + menu +
                                  "\n\n\nThe Mourning Sage:\nAh, what an excellent choice."),
              std::string::npos);
}

TEST(NewGameTest, EndOfInputAtAnyQuestionEndsTheGame) {
    for (const char* input : {"", "\n", "\nalice\n", "\nalice\nq\n", "\nalice\n5\n"}) {
        TestWorld world(input);
        Player hero;
        EXPECT_TRUE(world.EndsGame([&] { SetPlayer(&hero); })) << input;
    }
}

TEST(NewGameTest, SavedFileHoldsTheClass) {
    for (const char key : {'1', '2', '3', '4', '5'}) {
        TestWorld world(Creation("alice", std::string(1, key)));
        Player hero;
        SetPlayer(&hero);
        ASSERT_TRUE(hero.Save());
        const std::string bytes = *world.ReadFile("Player.dll");
        ASSERT_GE(bytes.size(), 545u);
        EXPECT_EQ(TextAt(bytes, 0), "Alice");
        EXPECT_EQ(TextAt(bytes, 36), hero.GetGroupName());
        EXPECT_EQ(Int32At(bytes, 72), key - '0');
        EXPECT_EQ(Int32At(bytes, 80), hero.GetMaxHP());  // HP full
        EXPECT_EQ(Int32At(bytes, 84), hero.GetMaxHP());
        EXPECT_EQ(Int32At(bytes, 88), hero.GetMaxMP());
        EXPECT_EQ(Int32At(bytes, 92), hero.GetMaxMP());
        EXPECT_EQ(Int32At(bytes, 96), hero.GetMaxEnergy());
        EXPECT_EQ(Int32At(bytes, 100), hero.GetMaxEnergy());
        EXPECT_EQ(bytes[153], key == '3' ? 1 : 0);
        EXPECT_EQ(TextAt(bytes, 154), key == '3' ? "Shortbow" : "");
        EXPECT_EQ(Int32At(bytes, 190), key == '3' ? 3 : 0);
        EXPECT_EQ(Int32At(bytes, 194), key == '3' ? 50 : 0);
        EXPECT_EQ(TextAt(bytes, 213), hero.GetWeapon()->GetName());
        EXPECT_EQ(Int32At(bytes, 249), hero.GetWeapon()->GetDamage());
        // The six counted lists: potions, items, god powers, blessings, spells, special attacks.
        const std::size_t spells = 521 + 4 * 4;
        EXPECT_EQ(Int32At(bytes, spells), key == '2' ? 2 : 0);
        if (key == '2') {
            EXPECT_EQ(TextAt(bytes, spells + 4), "Fireball");
            EXPECT_EQ(Int32At(bytes, spells + 4 + 48), ST_FIREBALL);
            EXPECT_EQ(TextAt(bytes, spells + 4 + 52), "Minor Healing");
            EXPECT_EQ(Int32At(bytes, spells + 4 + 52 + 48), ST_MINOR_HEALING);
        }
        const std::size_t specials = spells + 4 + (key == '2' ? 104 : 0);
        EXPECT_EQ(Int32At(bytes, specials), key == '1' ? 1 : 0);
        if (key == '1') {
            EXPECT_EQ(TextAt(bytes, specials + 4), "Cleave");
            EXPECT_EQ(Int32At(bytes, specials + 4 + 48), ST_CLEAVE1);
        }
        const std::size_t expectedSize = 545 + (key == '2' ? 104 : 0) + (key == '1' ? 52 : 0);
        EXPECT_EQ(bytes.size(), expectedSize);
    }
}

}  // namespace
}  // namespace vaskarn
