#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>
#include <tuple>

#include "model/player.h"
#include "world/regions/heaven/heaven.h"
#include "world/regions/late_heroes.h"

// The refusals for too few Light Warriors and too low a level, and a won
// group, are the heaven_gates transcript.
namespace vaskarn {
namespace {

using testing::kFleeKeys;
using testing::kPause;
using testing::Pauses;
using testing::WinKeys;

const std::string kMenuAgain = "\n\nYou stand on the clouds";
const std::string kSlain = Pauses(6) + "1\n1\n" + Pauses(6);  // an attack, on the first if asked

enum class Hero { Plain, Champion, Weakling };

// A hero at the gates with 101 gold, the Gold Sword unless told otherwise,
// and `killed` Light Warriors behind him.
struct Gates {
    Gates(const std::string& input, Hero kind, int killed = 20, bool sword = true) : world(input) {
        world.state.lightwarriorskilled = killed;
        hero.SetGold(101);
        if (kind == Hero::Champion) testing::MakeChampion(hero);
        if (kind == Hero::Weakling) testing::MakeWeakling(hero);
        if (sword) testing::Give(hero, "Gold Sword");
    }
    std::string Run() { return testing::Visit(world, hero, heaven); }

    testing::TestWorld world;
    Player hero;
};

// The temple wants the Gold Sword too; neither it nor the guild does
// anything for a hero who holds its power.
TEST(HeavenTest, TheTempleAndTheGuildTurnHeroesAway) {
    const struct {
        const char* entry;
        bool sword;
        std::string_view power;
        std::string words;
    } cases[] = {
        {"1", false, "",
         "The temple guards aren't letting you in. Maybe you should\n"
         "help the professor in the library with his research first,\n"
         "before they will let you in here.\n" +
             kPause},
        {"1", true, "The Power Of Light", ""},
        {"5", false, "The Power Of Darkness", ""},
    };
    for (const auto& c : cases) {
        Gates visit(std::string(c.entry) + "\n\n", Hero::Plain, 20, c.sword);
        visit.hero.SetLevel(80);
        God_Power power;
        power.CreateGodPower(c.power, 1);
        if (!c.power.empty()) visit.hero.AddGod_Power(&power);
        EXPECT_TRUE(testing::Has(visit.Run(), "7.Leave The Gates Of Heaven\n>" + c.words + kMenuAgain)) << c.entry;
    }
}

// A won group of Light Warriors adds its size to a count that stops at its
// largest value; only a hero slain by them dies. Any loss to the God Of
// Light is a death, one in the guild only heals.
TEST(HeavenTest, WhatEachFightCosts) {
    const struct {
        std::string keys;
        Hero kind;
        int killed, killedAfter;
        std::string words;
        int gold;
    } cases[] = {
        {"2\n" + WinKeys(4), Hero::Champion, INT_MAX - 1, INT_MAX,
         "You have won! You have now killed a total of 2147483647 Light Warriors!\n", 101 + 40000},
        {"2\n" + kSlain, Hero::Weakling, 7, 7,
         "You have been slain.\n" + kPause + "The Light Warriors have killed you!\n", 50},
        {"2\n" + kFleeKeys, Hero::Plain, 7, 7, "without being harmed.\n" + kPause + kMenuAgain, 101},
        {"1\n" + kFleeKeys, Hero::Plain, 20, 20,
         "without being harmed.\n" + kPause + "The God Of Light has killed you!\n", 50},
        {"5\n" + kSlain, Hero::Weakling, 0, 0,
         "You have been slain.\n" + kPause + "I'm sorry, but you have died. Try again next time!\n", 101},
    };
    for (const auto& c : cases) {
        Gates visit(c.keys, c.kind, c.killed);
        visit.hero.SetLevel(80);
        if (c.keys[0] == '2') visit.world.scripted.Push({3});  // a group of four Light Warriors
        const std::string out = visit.Run();
        EXPECT_TRUE(testing::Has(out, c.words + (c.words.back() == '\n' ? kPause + kMenuAgain : ""))) << c.keys;
        EXPECT_EQ(std::tuple(visit.world.state.lightwarriorskilled, visit.hero.GetGold(), visit.hero.GetHP()),
                  std::tuple(c.killedAfter, c.gold, visit.hero.GetMaxHP()))
            << c.keys;
        EXPECT_FALSE(Holds(visit.hero.GetGodPower(), "The Power Of Light"));
    }
}

TEST(HeavenTest, TheGodOfLightAndTheGuildGiveTheirPowers) {
    Gates visit("1\n" + WinKeys(1) + Pauses(6) + "5\n" + WinKeys(1), Hero::Champion);
    visit.hero.SetLevel(80);
    const std::string out = visit.Run();
    const Player& hero = visit.hero;
    EXPECT_TRUE(testing::Has(out, "You obtain a new god power, The Power Of Darkness!\n" + kPause + kMenuAgain));
    EXPECT_TRUE(Holds(hero.GetGodPower(), "The Power Of Light"));
    EXPECT_TRUE(Holds(hero.GetGodPower(), "The Power Of Darkness"));
    EXPECT_EQ(std::tuple(hero.GetWeapon()->GetName(), hero.GetHelm()->GetName(), hero.GetPlatebody()->GetName(),
                         hero.GetPlatelegs()->GetName()),
              std::tuple("Sword Of Light", "Magic Armor (Helm)", "Magic Armor (Plate)", "Magic Armor (Legs)"));
    EXPECT_EQ(std::tuple(CountHeld(hero.GetSpell()), CountHeld(hero.GetSpecialAttack())), std::tuple(4u, 2u));
    EXPECT_EQ(hero.GetGold(), 101 + 400000 + 50000);
    EXPECT_FALSE(hero.GetHeaven());  // the library completes the quest
}

}  // namespace
}  // namespace vaskarn
