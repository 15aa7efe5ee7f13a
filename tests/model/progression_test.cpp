#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kCombat = "Your Max HP went up by 5.\nYour attack rised up 1.\nYour strength rised up by 1.\n" + P;

std::string PickMenu(int newlevel, int left) {
    return "You are now level " + std::to_string(newlevel) +
           "!\nYou have 4 pickpoints that you can use.\n\n\nPick a stat class to increase.\nYou have " +
           std::to_string(left) + " pickpoints left.\n\n1. Combat\n2. Intelligence\n3. Agility\n>\n\n";
}

TEST(ProgressionTest, LevelUpNeedsThirtyTimesLevelSquaredAndGainsOneLevelPerCall) {
    TestWorld world("1\n\nx\n2\n\n3 and more\n\n1\n\n1\n\n1\n\n1\n\n1\n\n");
    Player hero;
    hero.SetXP(29);
    hero.CheckForLevelUp();
    EXPECT_EQ(world.Output(), "");

    hero.SetXP(120);
    hero.SetPoisoned(true);
    hero.SetHP(3);
    EXPECT_TRUE(hero.CheckForLevelUp());
    EXPECT_EQ(world.TakeOutput(), PickMenu(2, 4) + kCombat + PickMenu(2, 3) + PickMenu(2, 3) +
                                      "Your Max MP went up by 5.\n" + P + PickMenu(2, 2) +
                                      "Your energy went up by 5.\nYour defense went up by 1.\n" + P + PickMenu(2, 1) +
                                      kCombat);
    EXPECT_EQ(std::tuple(hero.GetLevel(), hero.GetHP(), hero.GetMaxHP(), hero.GetMP(), hero.GetMaxMP(),
                         hero.GetEnergy(), hero.GetMaxEnergy(), hero.GetAttack(), hero.GetStrength(),
                         hero.GetDefense(), hero.IsPoisoned(), hero.GetXP()),
              std::tuple(2, 50, 50, 15, 15, 25, 25, 3, 3, 2, false, 120));

    hero.CheckForLevelUp();  // 120 also reaches level 2's threshold
    EXPECT_EQ(hero.GetLevel(), 3);
    world.TakeOutput();
    hero.CheckForLevelUp();  // level 3 needs 270
    EXPECT_EQ(world.Output(), "");
}

TEST(ProgressionTest, ThresholdsOfHugeLevelsDoNotOverflow) {
    TestWorld world("2\n\n2\n\n2\n\n2\n\n");
    Player hero;
    hero.SetXP(INT_MAX);
    hero.SetSmithingXP(INT_MAX);
    for (int level : {10363, INT_MAX, INT_MIN}) {
        hero.SetLevel(level);
        hero.SetSmithingLevel(level);
        hero.CheckForLevelUp();
        hero.AddSmithingLevel(&hero);
    }
    EXPECT_EQ(world.Output(), "");
    hero.SetLevel(8460);  // 30 x 8460 x 8460 still fits below INT_MAX
    hero.CheckForLevelUp();
    EXPECT_EQ(hero.GetLevel(), 8461);
}

TEST(ProgressionTest, RanksFollowEachClassLadder) {
    TestWorld world("\n\n\n\n\n\n");
    Player hero;
    const auto rank = [&](int group, int level, const char* title) {
        hero.SetGroup(group);
        hero.SetLevel(level);
        hero.SetGroupName(title);
        hero.CheckRank(&hero);
        return world.TakeOutput();
    };
    EXPECT_EQ(rank(1, 5, "Squire"), "You are now in the Long Swordsman class!\n" + P);
    EXPECT_EQ(rank(1, 5, "Long Swordsman"), "");
    EXPECT_EQ(rank(1, 6, "Squire"), "");  // between rungs
    EXPECT_EQ(rank(2, 15, "Monk"), "");   // no rung at 15 on this ladder
    EXPECT_EQ(rank(6, 5, "Hero"), "");
    EXPECT_EQ(rank(1, 75, "Silver Hand"), "You are now in the Guilded Paladin class, the class of Heros!\n" + P);
    EXPECT_EQ(rank(1, 75, "Guilded Paladin"), "");
    EXPECT_EQ(rank(3, 70, "Archer"), "You are now in the Robin Hood class, the class for Heros!\n" + P);
    EXPECT_EQ(rank(2, 25, "Monk"), "You are now in the Sorcerer class!\n" + P);
    EXPECT_EQ(hero.GetGroupName(), "Sorcerer");
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
    hero.SetHerbloreXP(20);
    hero.AddHerbloreLevel(&hero);
    EXPECT_EQ(hero.GetHerbloreLevel(), 2);
    EXPECT_EQ(world.TakeOutput(), "Congratulations! Your smithing level is now 3!\n" + P +
                                      "Congratulations! Your herblore level is now 2!\n" + P);
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
        hero.HasDied();
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetMP(), hero.GetEnergy(), hero.IsPoisoned()),
                  std::tuple(after, 40, 10, 20, false));
    }
}

}  // namespace
}  // namespace vaskarn
