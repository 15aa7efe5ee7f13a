#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kPause = "\nPress the Enter key to continue\n\n";

std::string PickMenu(int newlevel, int left) {
    return "You are now level " + std::to_string(newlevel) +
           "!\nYou have 4 pickpoints that you can use.\n\n\nPick a stat class to increase.\nYou have " +
           std::to_string(left) + " pickpoints left.\n\n1. Combat\n2. Intelligence\n3. Agility\n>\n\n";
}

TEST(ProgressionTest, LevelUpNeedsThirtyTimesLevelSquaredAndGainsOneLevelPerCall) {
    TestWorld world("1\n\nx\n2\n\n3 and more\n\n1\n\n1\n\n1\n\n1\n\n1\n\n");
    Player hero;
    hero.SetXP(29);
    EXPECT_TRUE(hero.CheckForLevelUp());
    EXPECT_EQ(world.Output(), "");

    hero.SetXP(120);
    hero.SetPoisoned(true);
    hero.SetHP(3);
    EXPECT_TRUE(hero.CheckForLevelUp());
    EXPECT_EQ(world.TakeOutput(),
              PickMenu(2, 4) + "Your Max HP went up by 5.\nYour attack rised up 1.\nYour strength rised up by 1.\n" +
                  kPause + PickMenu(2, 3) + PickMenu(2, 3) + "Your Max MP went up by 5.\n" + kPause +
                  PickMenu(2, 2) + "Your energy went up by 5.\nYour defense went up by 1.\n" + kPause +
                  PickMenu(2, 1) + "Your Max HP went up by 5.\nYour attack rised up 1.\nYour strength rised up by 1.\n" +
                  kPause);
    EXPECT_EQ(hero.GetLevel(), 2);
    EXPECT_EQ(hero.GetMaxHP(), 50);
    EXPECT_EQ(hero.GetHP(), 50);
    EXPECT_EQ(hero.GetMaxMP(), 15);
    EXPECT_EQ(hero.GetMaxEnergy(), 25);
    EXPECT_EQ(hero.GetAttack(), 3);
    EXPECT_EQ(hero.GetStrength(), 3);
    EXPECT_EQ(hero.GetDefense(), 2);
    EXPECT_FALSE(hero.IsPoisoned());
    EXPECT_EQ(hero.GetXP(), 120);  // experience is cumulative

    EXPECT_TRUE(hero.CheckForLevelUp());  // 120 reaches level 2's threshold too
    EXPECT_EQ(hero.GetLevel(), 3);
    EXPECT_EQ(hero.GetMaxHP(), 70);
    world.TakeOutput();
    EXPECT_TRUE(hero.CheckForLevelUp());  // level 3 needs 270
    EXPECT_EQ(world.Output(), "");
}

TEST(ProgressionTest, ThresholdsOfHugeLevelsDoNotOverflow) {
    TestWorld world;
    Player hero;
    hero.SetXP(INT_MAX);
    for (int level : {8461, INT_MAX, INT_MIN}) {
        hero.SetLevel(level);
        EXPECT_TRUE(hero.CheckForLevelUp());
    }
    hero.SetSmithingLevel(INT_MAX);
    hero.SetSmithingXP(INT_MAX);
    hero.AddSmithingLevel(&hero);
    EXPECT_EQ(world.Output(), "");
    hero.SetLevel(8460);  // 30 x 8460 x 8460 still fits below INT_MAX
    world.SetInput("2\n\n2\n\n2\n\n2\n\n");
    hero.CheckForLevelUp();
    EXPECT_EQ(hero.GetLevel(), 8461);
}

TEST(ProgressionTest, RanksFollowEachClassLadder) {
    TestWorld world("\n\n\n\n\n\n\n\n");
    Player hero;
    hero.SetGroupName("Squire");
    hero.SetLevel(5);
    hero.CheckRank(&hero);
    EXPECT_EQ(world.TakeOutput(), "You are now in the Long Swordsman class!\n" + kPause);
    hero.CheckRank(&hero);
    hero.SetLevel(6);  // between rungs
    hero.CheckRank(&hero);
    EXPECT_EQ(world.TakeOutput(), "");

    hero.SetGroupName("Silver Hand");
    hero.SetLevel(75);
    hero.CheckRank(&hero);
    EXPECT_EQ(world.TakeOutput(), "You are now in the Guilded Paladin class, the class of Heros!\n" + kPause);
    hero.CheckRank(&hero);
    EXPECT_EQ(world.TakeOutput(), "");

    struct Case { int group, level; const char* title; };
    for (const Case c : {Case{2, 25, "Sorcerer"}, Case{3, 50, "Chu Ko Nu"}, Case{4, 60, "Dragon"},
                         Case{5, 20, "Bishop"}, Case{2, 15, ""}, Case{6, 5, ""}}) {
        hero.SetGroup(c.group);
        hero.SetLevel(c.level);
        hero.SetGroupName("Start");
        hero.CheckRank(&hero);
        EXPECT_EQ(hero.GetGroupName(), *c.title ? c.title : "Start") << c.group << "/" << c.level;
    }
    world.TakeOutput();
    hero.SetGroup(3);
    hero.SetLevel(70);
    hero.CheckRank(&hero);
    EXPECT_EQ(world.TakeOutput(), "You are now in the Robin Hood class, the class for Heros!\n" + kPause);
}

TEST(ProgressionTest, SkillLevelsRiseByOneWhenTheirXPSuffices) {
    TestWorld world("\n\n\n");
    Player hero;
    hero.SetSmithingLevel(2);
    hero.SetSmithingXP(79);
    hero.AddSmithingLevel(&hero);
    EXPECT_EQ(hero.GetSmithingLevel(), 2);
    hero.SetSmithingXP(5000);
    hero.AddSmithingLevel(&hero);
    EXPECT_EQ(hero.GetSmithingLevel(), 3);
    EXPECT_EQ(world.TakeOutput(), "Congratulations! Your smithing level is now 3!\n" + kPause);
    hero.SetHerbloreXP(20);
    hero.AddHerbloreLevel(&hero);
    EXPECT_EQ(hero.GetHerbloreLevel(), 2);
    EXPECT_EQ(world.TakeOutput(), "Congratulations! Your herblore level is now 2!\n" + kPause);
}

TEST(ProgressionTest, DeathHalvesTheGoldAndRestoresTheRest) {
    TestWorld world;
    Player hero;
    for (auto [before, after] : {std::pair{7, 3}, {0, 0}, {101, 50}, {-7, -3}}) {
        hero.SetGold(before);
        hero.SetHP(0);
        hero.SetMP(1);
        hero.SetEnergy(2);
        hero.SetPoisoned(true);
        hero.SetXP(44);
        hero.HasDied();
        EXPECT_EQ(hero.GetGold(), after);
        EXPECT_EQ(hero.GetHP(), 40);
        EXPECT_EQ(hero.GetMP(), 10);
        EXPECT_EQ(hero.GetEnergy(), 20);
        EXPECT_FALSE(hero.IsPoisoned());
        EXPECT_EQ(hero.GetXP(), 44);
    }
    EXPECT_EQ(world.Output(), "");
}

}  // namespace
}  // namespace vaskarn
