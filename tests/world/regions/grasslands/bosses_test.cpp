#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/grasslands/dungeon.h"
#include "world/regions/grasslands/tunnel.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kCrossroads = "\n\n\n\nYou stand where many roads meet";
const std::string kPlain = "You stand on an open plain";
const std::string kPond = "You stand by a small pond";
const std::string kBeyond = "You stand in the land beyond the stream.";

// Draws are all 0 unless scripted: every blow lands for its plain damage and
// a retreat always gets away. A level-21 warrior earns no title or level
// from either boss.
enum class Hero { Strong, Weak, Fleeing };

void Prepare(Player& hero, Hero kind) {
    hero.SetLevel(21);
    hero.SetGold(1001);
    hero.SetMaxHP(300);
    hero.SetHP(kind == Hero::Weak ? 15 : 250);  // the poison stings for 10 first
    hero.SetMP(0);
    hero.SetEnergy(0);
    hero.SetPoisoned(true);
    if (kind == Hero::Strong) hero.SetAttack(2000);
}

// The fight's keys after the boss's own pause and the battle's first, and
// after the poison's sting: attack (a blow, the monster's answer, or the
// kill's reward), or retreat.
std::string FightKeys(Hero kind) {
    switch (kind) {
    case Hero::Strong: return "\n\n\n1\n\n\n\n";
    case Hero::Weak: return "\n\n\n1\n\n\n\n";
    case Hero::Fleeing: return "\n\n\n7\n\n";
    }
    return "";
}

std::string Play(Player& hero, Screen start, const std::string& input) {
    TestWorld world(input);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(start); }));  // where the input ends
    return world.Output();
}

std::tuple<int, int, int, int, bool> Vitals(const Player& h) {
    return {h.GetGold(), h.GetHP(), h.GetMP(), h.GetEnergy(), h.IsPoisoned()};
}

// Into the field from its entrance: five steps north, one west.
const std::string kToTheKnight = "1\n\n1\n\n1\n\n1\n\n1\n\n2\n\n";

// Each boss's defeat and flight: the words, where the hero lands, and what
// it costs. Fleeing the golem is a death that leaves the poison; any defeat
// by the knight costs half the gold and cures it.
TEST(BossTest, DefeatsAndFlights) {
    const struct {
        Screen start;
        const char* walk;
        Hero kind;
        std::string words;
        const std::string& landing;
        bool poisoned;
    } cases[] = {
        {Screen(tunnel, 2, 11), "", Hero::Weak, "You have been slain.\n" + P + "The Rock Golem has killed you!\n",
         kCrossroads, false},
        {Screen(tunnel, 2, 11), "", Hero::Fleeing,
         "without being harmed.\n" + P + "You are just about to run away, when the Rock Golem\n"
         "sends a bunch of rocks falling at you. Haven't I told\n"
         "you never to run away during a boss fight? You died.\n",
         kPlain, true},
        {gldungeon, kToTheKnight.c_str(), Hero::Weak, "You have been slain.\n" + P + "The Black Knight has killed you!\n",
         kCrossroads, false},
        {gldungeon, kToTheKnight.c_str(), Hero::Fleeing,
         "without being harmed.\n" + P + "The Black Knight has killed you!\n", kCrossroads, false},
    };
    for (const auto& c : cases) {
        Player hero;
        Prepare(hero, c.kind);
        const std::string out = Play(hero, c.start, c.walk + FightKeys(c.kind) + "\n\n");
        EXPECT_NE(out.find(c.words + P + c.landing), std::string::npos) << c.words;
        EXPECT_EQ(Vitals(hero), std::tuple(500, 300, 10, 20, c.poisoned)) << c.words;
        EXPECT_FALSE(hero.GetGrasslands());
    }
}

TEST(BossTest, TheGolemGivesTheKeyAndTheEarthGodPower) {
    Player hero;
    Prepare(hero, Hero::Strong);
    hero.SetStrength(3);
    const std::string out = Play(hero, Screen(tunnel, 2, 11), FightKeys(Hero::Strong) + "\n\n");
    EXPECT_NE(out.find("You got the Earth God Power!\n"
                       "Your strength increases by 5!\n"
                       "Your HP increases by 20!\n"
                       "You slowly make your way out of the dungeon and back to the pond.\n" +
                       P + kPond),
              std::string::npos);
    EXPECT_TRUE(Holds(hero.GetInventory(), "Stone Key"));
    const God_Power* earth = FindByName(hero.GetGodPower(), "Earth God Power");
    ASSERT_NE(earth, nullptr);
    EXPECT_EQ(earth->GetPower(), 20);
    EXPECT_EQ(std::tuple(hero.GetStrength(), hero.GetMaxHP(), hero.GetHP(), hero.GetGold()),
              std::tuple(8, 320, 320, 51001));
}

TEST(BossTest, TheKnightsDefeatCompletesTheQuestAndTakesEveryStoneKey) {
    Player hero;
    Prepare(hero, Hero::Strong);
    for (const char* name : {"Stone Key", "Grass", "Stone Key"}) {
        Inventory item;
        item.CreateItem(name, 0);
        hero.AddItem(&item);
    }
    const std::string out = Play(hero, gldungeon, kToTheKnight + FightKeys(Hero::Strong) + "\n");
    EXPECT_NE(out.find("You have killed the boss of the Grasslands. You have\n"
                       "now completed the Grasslands Quest!\n" +
                       P + "You watch as the stone key disinigrates into dust, falling onto the ground.\n" + kBeyond),
              std::string::npos);
    EXPECT_TRUE(hero.GetGrasslands());
    EXPECT_FALSE(Holds(hero.GetInventory(), "Stone Key"));
    EXPECT_EQ(CountHeld(hero.GetInventory()), 1u);
    EXPECT_EQ(hero.GetGold(), 81001);
}

}  // namespace
}  // namespace vaskarn
