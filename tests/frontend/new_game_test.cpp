#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "frontend/new_game.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Enter at the greeting, the name, the class line, Enter at the warning.
std::string Creation(const std::string& name, const std::string& classLines) {
    return "\n" + name + "\n" + classLines + "\n\n";
}

std::int32_t Int32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return static_cast<std::int32_t>(value);
}

std::string TextAt(const std::string& bytes, std::size_t at) { return bytes.substr(at, 36).c_str(); }

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

TEST(NewGameTest, GiftsAreTheirOwnKinds) {
    TestWorld world(Creation("merla", "2") + Creation("bran", "1"));
    Player monk;
    SetPlayer(&monk);
    EXPECT_NE(dynamic_cast<const Fireball*>(monk.GetSpell()[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Minor_Healing*>(monk.GetSpell()[1].get()), nullptr);
    Player squire;
    SetPlayer(&squire);
    EXPECT_NE(dynamic_cast<const Cleave1*>(squire.GetSpecialAttack()[0].get()), nullptr);
}

TEST(NewGameTest, SavedFileHoldsTheClass) {
    for (const char key : {'1', '2', '3', '4', '5'}) {
        TestWorld world(Creation("alice", std::string(1, key)));
        Player hero;
        SetPlayer(&hero);
        ASSERT_TRUE(hero.Save());
        const std::string bytes = *world.ReadFile("Player.dll");
        ASSERT_EQ(bytes.size(), 545u + (key == '2' ? 104 : 0) + (key == '1' ? 52 : 0));
        EXPECT_EQ(TextAt(bytes, 0), "Alice");
        const char* titles[] = {"Squire", "Monk", "Archer", "Knave", "Watchman"};
        EXPECT_EQ(TextAt(bytes, 36), titles[key - '1']);
        EXPECT_EQ(Int32At(bytes, 72), key - '0');
        const int pools[][3] = {{40, 10, 20}, {20, 30, 15}, {30, 25, 20}, {40, 10, 30}, {25, 15, 25}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Int32At(bytes, 80 + 8 * i), pools[key - '1'][i]);  // full
            EXPECT_EQ(Int32At(bytes, 84 + 8 * i), pools[key - '1'][i]);
        }
        EXPECT_EQ(bytes[153], key == '3' ? 1 : 0);
        EXPECT_EQ(TextAt(bytes, 154), key == '3' ? "Shortbow" : "");
        EXPECT_EQ(Int32At(bytes, 194), key == '3' ? 50 : 0);
        const char* weapons[] = {"Bronze Dagger", "Staff", "Wooden Stick", "Tin Blade", "Copper Sword"};
        EXPECT_EQ(TextAt(bytes, 213), weapons[key - '1']);
        const std::size_t spells = 521 + 16;  // after four empty lists
        EXPECT_EQ(Int32At(bytes, spells), key == '2' ? 2 : 0);
        if (key == '2') {
            EXPECT_EQ(Int32At(bytes, spells + 4 + 48), ST_FIREBALL);
            EXPECT_EQ(Int32At(bytes, spells + 56 + 48), ST_MINOR_HEALING);
        }
        if (key == '1') {
            EXPECT_EQ(Int32At(bytes, spells + 4), 1);
            EXPECT_EQ(Int32At(bytes, spells + 8 + 48), ST_CLEAVE1);
        }
    }
}

}  // namespace
}  // namespace vaskarn
