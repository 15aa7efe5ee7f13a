#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/battle_fixture.h"

namespace vaskarn {
namespace {

using namespace testing;

// A refusal, a cancel or an invalid entry: the menu comes back, nothing is
// spent and the monsters do not act.
struct Case {
    std::vector<std::string> keys;
    std::string segment;  // printed between the menu and its return
    int monsters = 2;     // 2: a living Rat and a dead Bat
    int arrows = 5;
    int mp = 10;
    int energy = 20;
    bool bow = true;
};

const std::string L = "1. Rat - 5/5 \n\n";
const std::string kDead = "You do know that Bat is already dead, right?\n";
const std::string kPick = "Which monster?\n\n" + L + "\n0. Cancel\n>";
const std::string kSpells = "1. Bolt - MP Cost: 5\n\n0. Cancel\n>";
const std::string kSpellTarget = kSpells + "Target?\n\n3. Self\n" + L + "\n0. Cancel\n>";
const std::string kPotions = "1. Tonic (1) - HP Restore: 5 :: MP Restore: 5\n\n0. Cancel\n>";
const std::string kSpecials = "1. Slash - Energy Cost: 5 :: Power: 10\n\n0. Cancel\n>";
const std::string kShotTarget = kBowMenu + L + "0. Cancel\n>";
const std::string kHowMany = "How many arrows would you like to fire? (1 - 10)\n>";
const std::string kRainTarget = kBowMenu + "\nTarget?\n\n" + L + "\n0. Cancel\n>";
const std::string kBlightTarget = kBowMenu + "\nTarget?\n\n\n" + L + "\n0. Cancel\n>";
const std::string kNoArrows = "\nYou don't have any arrows.\n";

TEST(BattleMenuTest, RefusalsAndCancelsReturnToTheMenuWithoutUsingTheTurn) {
    const std::vector<Case> cases{
        {{"01", "attack", "8"}, kMenu + kMenu},
        {{"1", "0"}, kPick + "\n\n\n"},
        {{"1", "x"}, kPick + "\n\n\n"},
        {{"1", "3"}, kPick},
        {{"1", "2"}, kPick + kDead},
        {{"2", "0"}, kSpells + "\n\n"},
        {{"2", "2"}, kSpells + "There is no such spell\n\n"},
        {{"2", "101"}, kSpells + "There is no such spell\n\n"},
        {{"2", "-1"}, kSpells + "There is no such spell\n\n"},
        {{"2", "1"}, kSpells + "You don't have enough MP to cast Bolt.\n" + P + "\n\n", 2, 5, 4},
        {{"2", "1", "0"}, kSpellTarget + "\n\n"},
        {{"2", "1", "2"}, kSpellTarget + kDead},
        {{"2", "1", "4"}, kSpellTarget},
        {{"2", "1", "3"}, kSpells + "Target?\n\n2. Self\n1. Rat\n\n0. Cancel\n>", 1},
        {{"3", "0"}, kPotions + "\n"},
        {{"3", "abc"}, kPotions + "\nInvalid potion\n\n"},
        {{"3", "2"}, kPotions + "\nInvalid potion\n\n"},
        {{"4", "0"}, kSpecials + "\n\n"},
        {{"4", "7"}, kSpecials + "\nInvalid special attack\n\n"},
        {{"4", "1"}, kSpecials + "\nYou don't have enough energy.\n" + P + "\n", 2, 5, 10, 4},
        {{"4", "1", "0"}, kSpecials + "3. Self\n" + L + "\n0. Cancel\n>\n"},
        {{"4", "1", "2"}, kSpecials + "3. Self\n" + L + "\n0. Cancel\n>" + kDead},
        {{"5"}, "You don't have enough energy to defend.\n" + P + "\n\n\n", 2, 5, 10, 9},
        {{"6"}, "\nYou don't have a bow yet.\n" + P + "\n", 2, 5, 10, 20, false},
        {{"6", "4"}, kBowMenu},
        {{"6", "1", "0"}, kShotTarget + "\n"},
        {{"6", "1", "9"}, kShotTarget + "\nInvalid Monster\n\n"},
        {{"6", "1", "2"}, kShotTarget + kDead},
        {{"6", "1", "1"}, kShotTarget + kNoArrows + P + "\n", 2, 0},
        {{"6", "1"}, kBowMenu + kNoArrows + "\n" + P + "\n", 1, 0},
        {{"6", "2", "15"}, kBowMenu + kHowMany + "\nYou can't fire 15 arrows.\n" + P + "\n", 1},
        {{"6", "2", "7"}, kBowMenu + kHowMany + "\nYou don't have that many arrows.\n\n", 1},
        {{"6", "2", "0"}, kBowMenu + kHowMany + "\n", 1},
        {{"6", "2", "1", "-3"}, kRainTarget + kHowMany + "\nYou can't fire -3 arrows.\n\n"},
        {{"6", "2", "1", "7"}, kRainTarget + kHowMany + "\nYou don't have that many arrows.\n" + P + "\n"},
        {{"6", "2", "0"}, kRainTarget},
        {{"6", "2", "5"}, kRainTarget + "Invalid Monster\n\n"},
        {{"6", "2", "2"}, kRainTarget + kDead},
        {{"6", "3", "0"}, kBlightTarget + "\n"},
        {{"6", "3", "3"}, kBlightTarget + "\nInvalid Monster\n\n"},
        {{"6", "3"}, kBowMenu + kNoArrows + P + "\n", 1, 0},
    };
    for (const Case& c : cases) {
        Fight f(c.monsters == 2 ? std::vector<int>{5, 0} : std::vector<int>{5});
        f.hero.GetSpell()[0] = std::make_unique<Bolt>();
        f.hero.GetSpecialAttack()[0] = std::make_unique<Slash>();
        Potion tonic;
        tonic.CreatePotion("Tonic", 5, 5, 1);
        f.hero.GetPotion()[0] = std::make_unique<Potion>(&tonic);
        if (c.bow) f.GiveBow(c.arrows);
        f.hero.SetMP(c.mp);
        f.hero.SetEnergy(c.energy);

        EXPECT_TRUE(f.world.EndsGame([&] { f.Run(c.keys); }));
        const std::string out = f.world.Output();
        const std::string tail = kMenu + c.segment + kMenuAsked;
        EXPECT_TRUE(out.ends_with(tail)) << c.keys[0] << " " << c.keys.back() << "\n" << out;
        EXPECT_EQ(out.find("The Rat"), std::string::npos);
        EXPECT_EQ(f.hero.GetMP(), c.mp);
        EXPECT_EQ(f.hero.GetEnergy(), c.energy);
        EXPECT_EQ(f.hero.GetArrows(), c.bow ? c.arrows : 0);
        EXPECT_NE(f.hero.GetPotion()[0], nullptr);
        EXPECT_EQ(f.group[0].GetHP(), 5);
    }
}

}  // namespace
}  // namespace vaskarn
