#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/heaven/heaven.h"
#include "world/regions/late_heroes.h"

namespace vaskarn {
namespace {

using testing::kFleeKeys;
using testing::kPause;
using testing::MakeChampion;
using testing::MakeWeakling;
using testing::Pauses;
using testing::TestWorld;
using testing::WinKeys;

const std::string kMenuEnd = "7.Leave The Gates Of Heaven\n>";
const std::string kMenuAgain = "\n\nYou stand on the clouds";
const std::string kSlain = Pauses(6) + "1\n1\n" + Pauses(6);  // an attack, on the first if asked

enum class Hero { Plain, Champion, Weakling };

// A hero at the gates with 101 gold, 20 Light Warriors killed and the Gold
// Sword unless a case says otherwise.
struct Visit {
    Visit(const std::string& input, Hero kind, int killed = 20, bool sword = true) : world(input) {
        world.state.lightwarriorskilled = killed;
        hero.SetGold(101);
        if (kind == Hero::Champion) MakeChampion(hero);
        if (kind == Hero::Weakling) MakeWeakling(hero);
        Inventory item;
        item.CreateItem("Gold Sword", 200000);
        if (sword) hero.AddItem(&item);
    }
    void GivePower(std::string_view power) {
        God_Power made;
        made.CreateGodPower(power, 1);
        if (!power.empty()) hero.AddGod_Power(&made);
    }
    std::string Run() {
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(heaven); }));
        return world.Output();
    }

    TestWorld world;
    Player hero;
};

// The temple asks for 20 Light Warriors, then for the Gold Sword; the guild
// for level 80. Neither does anything for a hero who holds its power.
TEST(HeavenTest, TheTempleAndTheGuildTurnHeroesAway) {
    const struct {
        const char* entry;
        int killed;
        bool sword;
        const char* power;
        int level;
        std::string words;
    } cases[] = {
        {"1", 19, true, "", 1,
         "You need to have killed at least 20 Light Warriors, in order\nto enter, The Temple Of the Blessed.\n"},
        {"1", 20, false, "", 1,
         "The temple guards aren't letting you in. Maybe you should\n"
         "help the professor in the library with his research first,\n"
         "before they will let you in here.\n"},
        {"1", 20, true, "The Power Of Light", 1, ""},
        {"5", 0, false, "", 79, "Sorry, but you have to be at least level 80 in combat, to enter\nthe Warrior's Guild.\n"},
        {"5", 0, false, "The Power Of Darkness", 80, ""},
    };
    for (const auto& c : cases) {
        Visit visit(std::string(c.entry) + "\n\n", Hero::Plain, c.killed, c.sword);
        visit.GivePower(c.power);
        visit.hero.SetLevel(c.level);
        const std::string then = c.words.empty() ? kMenuAgain : c.words + kPause + kMenuAgain;
        EXPECT_NE(visit.Run().find(kMenuEnd + then), std::string::npos) << c.entry << c.killed << c.power;
    }
}

// A won group of Light Warriors adds its size to a count that stops at its
// largest value; only a hero slain by them dies. Any loss to the God Of
// Light is a death, one in the guild only heals.
TEST(HeavenTest, WhatEachFightCosts) {
    const struct {
        std::string keys;
        Hero kind;
        int killed;
        int killedAfter;
        std::string words;
        int gold;
    } cases[] = {
        {"2\n" + WinKeys(4), Hero::Champion, 0, 4, "You have won! You have now killed a total of 4 Light Warriors!\n",
         101 + 40000},
        {"2\n" + WinKeys(4), Hero::Champion, INT_MAX - 1, INT_MAX,
         "You have won! You have now killed a total of 2147483647 Light Warriors!\n", 101 + 40000},
        {"2\n" + kSlain, Hero::Weakling, 7, 7, "You have been slain.\n" + kPause + "The Light Warriors have killed you!\n",
         50},
        {"2\n" + kFleeKeys, Hero::Plain, 7, 7, "without being harmed.\n" + kPause + kMenuAgain, 101},
        {"1\n" + kFleeKeys, Hero::Plain, 20, 20, "without being harmed.\n" + kPause + "The God Of Light has killed you!\n",
         50},
        {"5\n" + kSlain, Hero::Weakling, 0, 0,
         "You have been slain.\n" + kPause + "I'm sorry, but you have died. Try again next time!\n", 101},
    };
    for (const auto& c : cases) {
        Visit visit(c.keys, c.kind, c.killed);
        visit.hero.SetLevel(80);
        if (c.keys[0] == '2') visit.world.scripted.Push({3});  // a group of four Light Warriors
        const std::string out = visit.Run();
        EXPECT_NE(out.find(c.words + (c.words.back() == '\n' ? kPause + kMenuAgain : "")), std::string::npos) << c.keys;
        EXPECT_EQ(std::tuple(visit.world.state.lightwarriorskilled, visit.hero.GetGold()), std::tuple(c.killedAfter, c.gold))
            << c.keys;
        EXPECT_EQ(visit.hero.GetHP(), visit.hero.GetMaxHP()) << c.keys;
        EXPECT_FALSE(Holds(visit.hero.GetGodPower(), "The Power Of Light"));
    }
}

TEST(HeavenTest, TheGodOfLightAndTheGuildGiveTheirPowers) {
    Visit visit("1\n" + WinKeys(1) + Pauses(6) + "5\n" + WinKeys(1), Hero::Champion);
    visit.hero.SetLevel(80);
    const std::string out = visit.Run();
    const Player& hero = visit.hero;
    EXPECT_NE(out.find("You obtain a new god power, The Power Of Darkness!\n" + kPause + kMenuAgain), std::string::npos);
    EXPECT_TRUE(Holds(hero.GetGodPower(), "The Power Of Light"));
    EXPECT_TRUE(Holds(hero.GetGodPower(), "The Power Of Darkness"));
    EXPECT_EQ(std::tuple(hero.GetWeapon()->GetName(), hero.GetHelm()->GetName(), hero.GetPlatebody()->GetName(),
                         hero.GetPlatelegs()->GetName()),
              std::tuple("Sword Of Light", "Magic Armor (Helm)", "Magic Armor (Plate)", "Magic Armor (Legs)"));
    for (const char* spell : {"God's Hand", "God's Arrow", "God's Fire", "Unleashed"})
        EXPECT_TRUE(Holds(hero.GetSpell(), spell)) << spell;
    for (const char* attack : {"Forged Sword", "Finisher"}) EXPECT_TRUE(Holds(hero.GetSpecialAttack(), attack)) << attack;
    EXPECT_EQ(hero.GetGold(), 101 + 400000 + 50000);
    EXPECT_FALSE(hero.GetHeaven());  // the library completes the quest
}

}  // namespace
}  // namespace vaskarn
