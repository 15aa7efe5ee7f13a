#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/meadow/huts.h"
#include "world/regions/meadow/meadow.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

constexpr int kMaxInt = std::numeric_limits<int>::max();
const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kMeadow = "You stand in a wide, quiet meadow.";

// Draws are 0 unless scripted: every blow lands for its plain damage, and a
// retreat always gets away. The weak hero dies to the first blow he takes.
enum class Hero { Strong, Weak, Fleeing };

void Prepare(Player& hero, Hero kind) {
    hero.SetLevel(21);
    hero.SetGold(101);
    hero.SetMaxHP(300);
    hero.SetHP(kind == Hero::Weak ? 1 : 250);
    hero.SetMP(0);
    if (kind == Hero::Strong) hero.SetAttack(5000);
}

// The keys of a fight against one monster, from the battle's first pause.
std::string FightKeys(Hero kind) {
    switch (kind) {
    case Hero::Strong: return "\n1\n\n\n\n";
    case Hero::Weak: return "\n1\n\n\n\n";  // the blow, the answer, the fall
    case Hero::Fleeing: return "\n7\n\n";
    }
    return "";
}

std::string Play(Player& hero, Screen start, const std::string& input,
                 std::initializer_list<std::uint32_t> draws = {}) {
    TestWorld world(input);
    world.scripted.Push(draws);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(start); }));  // where the input ends
    return world.Output();
}

bool Has(const std::string& out, const std::string& part) { return out.find(part) != std::string::npos; }

void Give(Player& hero, const char* name) {
    Inventory item;
    item.CreateItem(name, 0);
    hero.AddItem(&item);
}

// The trail is offered until the grail is held or the quest is done, the
// houses until the cake is held; a choice that is not offered is ignored.
TEST(MeadowTest, TheTrailAndTheHousesAreOfferedUntilTheirPrizeIsHeld) {
    const std::string trail = "5.Keep Following The Trail To The North\n";
    const std::string houses = "6.Knock On The Doors Of The Houses\n";
    const struct {
        const char* held;
        bool meadowDone;
        bool trailOffered;
        bool housesOffered;
    } cases[] = {
        {nullptr, false, true, true},
        {"Holy Grail", false, false, true},
        {nullptr, true, false, true},
        {"Chef's Cake", false, true, false},
    };
    for (const auto& c : cases) {
        Player hero;
        if (c.held) Give(hero, c.held);
        hero.SetMeadow(c.meadowDone);
        const std::string toTrail = Play(hero, meadow, "\n5\n");
        EXPECT_EQ(Has(toTrail, trail), c.trailOffered);
        EXPECT_EQ(Has(toTrail, houses), c.housesOffered);
        EXPECT_EQ(Has(toTrail, ">You follow the trail to the north."), c.trailOffered);
        EXPECT_EQ(Has(Play(hero, meadow, "\n6\n"), ">You walk along a row of six small houses."), c.housesOffered);
    }
}

// The river and the west corner count any defeat as a death; the god of the
// trail only a fall, and a flight from him leads back to the meadow unharmed.
TEST(MeadowTest, EachFightKeepsItsOwnLossRule) {
    const struct {
        const char* way;  // from the meadow to the fight
        Hero kind;
        std::string words;
        bool died;
    } cases[] = {
        {"\n2\n1\n", Hero::Fleeing, "The Alligator has killed you!\n", true},
        {"\n3\n1\n", Hero::Weak, "The Tree Spirit has killed you!\n", true},
        {"\n5\n1\n\n", Hero::Weak, "The Ancient God Of Thunder has killed you!\n", true},
        {"\n5\n1\n\n", Hero::Fleeing, "You run down the hill, all the way back to the meadow.\n", false},
    };
    for (const auto& c : cases) {
        Player hero;
        Prepare(hero, c.kind);
        const std::string out = Play(hero, meadow, c.way + FightKeys(c.kind) + "\n");
        EXPECT_TRUE(Has(out, c.words + P + kMeadow)) << c.words;
        const int hp = c.kind == Hero::Weak ? 0 : 250;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP()), c.died ? std::tuple(50, 300) : std::tuple(101, hp))
            << c.words;
        EXPECT_FALSE(Holds(hero.GetInventory(), "Holy Grail"));
    }
}

// Knocking in the right order opens the hidden house; a wrong door jams the
// order until the button is hit.
TEST(MeadowTest, TheHiddenHouseOpensToTheRightKnocks) {
    Player hero;
    hero.SetHP(1);
    const std::string out = Play(hero, Screen(meadowhouses, 0), "3\n\n2\n\n1\n\n7\n\n3\n\n1\n\n6\n\n\n\n\n");
    EXPECT_TRUE(Has(out, "Somewhere behind the houses, something goes clunk.\n" + P));
    EXPECT_TRUE(Has(out, ">A woman opens the door with a baby in her arms.\n"
                         "Woman: Shh! He has only just fallen asleep. Please go away.\n" +
                         P));  // jammed: no bell, no second clunk
    EXPECT_TRUE(Has(out, "You got the Chef's Cake!\n" + P + kMeadow));
    EXPECT_TRUE(Holds(hero.GetInventory(), "Chef's Cake"));
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP()), std::tuple(50100, 40));
}

// The Light Orb costs 1000: sold at 1000 gold, refused at 999.
TEST(HutsTest, TheLightOrbIsSoldForAThousandGold) {
    for (const int gold : {1000, 999}) {
        Player hero;
        hero.SetGold(gold);
        const std::string out = Play(hero, huts, "2\n\n1\n1\n\n");
        const std::string answer = gold == 1000 ? "Thank you for your gold, I appreciate it very much.\n"
                                                : "Oh dear, I don't seem to have enough gold.\n";
        EXPECT_TRUE(Has(out, "1. Light Orb - Price: 1000\n\n0. Cancel\n>" + answer + P)) << gold;
        EXPECT_EQ(hero.GetGold(), gold == 1000 ? 0 : 999);
        EXPECT_EQ(Holds(hero.GetSpell(), "Light Orb"), gold == 1000);
    }
}

// Each dig adds 1 to 5 units; the pay is 30 gold a unit, and neither the mud
// nor the purse wraps.
TEST(HutsTest, MudIsPaidThirtyGoldAUnitWithoutWrapping) {
    const struct {
        int units;
        int gold;
        std::uint32_t draw;
        int paid;
        int after;
    } cases[] = {
        {0, 100, 2, 90, 190},
        {kMaxInt - 2, 0, 4, kMaxInt, kMaxInt},
        {1000, kMaxInt - 10, 0, 30030, kMaxInt},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGold(c.gold);
        const std::string out = Play(hero, Screen(digmud, c.units), "1\n\n2\n\n", {c.draw});
        EXPECT_TRUE(Has(out, "The man pays you " + std::to_string(c.paid) + " gold for your work.\n" + P)) << c.units;
        EXPECT_EQ(hero.GetGold(), c.after) << c.units;
    }
}

// Ed never kills: a beaten or fleeing hero loses 100 gold (or all he has)
// and is made whole.
TEST(HutsTest, EdTakesAHundredCoinsAndRestoresTheHero) {
    for (const int gold : {150, 30}) {
        Player hero;
        Prepare(hero, Hero::Fleeing);
        hero.SetGold(gold);
        hero.SetPoisoned(true);
        const std::string out = Play(hero, huts, "1\n\n6\n\n\n\n7\n\n\n");
        EXPECT_TRUE(
            Has(out, "And this 100 coins will teach you that lesson!\n" + P + "\nWhat would you like to ask?\n"));
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.IsPoisoned()),
                  std::tuple(gold - 100 > 0 ? gold - 100 : 0, 300, false));
    }
}

}  // namespace
}  // namespace vaskarn
