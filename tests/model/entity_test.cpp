#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "model/entity.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

Entity MakeEntity() {
    Entity e;
    e.SetName("Wolf");
    e.SetMaxHP(40);
    e.SetHP(40);
    e.SetMaxMP(10);
    e.SetMP(10);
    e.SetMaxEnergy(20);
    e.SetEnergy(20);
    e.SetGold(20);
    return e;
}

TEST(EntityTest, PoolsClampBetweenZeroAndTheirMaximum) {
    Entity e = MakeEntity();
    e.AddHP(100);
    EXPECT_EQ(e.GetHP(), 40);
    e.LoseHP(100);
    EXPECT_EQ(e.GetHP(), 0);
    e.RestoreFullHP();
    e.LoseHP(-5);  // a negative loss heals, still within the clamp
    EXPECT_EQ(e.GetHP(), 40);

    e.LoseMP(11);
    EXPECT_EQ(e.GetMP(), 0);
    e.AddMP(3);
    EXPECT_EQ(e.GetMP(), 3);
    e.AddMP(50);
    EXPECT_EQ(e.GetMP(), 10);

    e.UseEnergy(25);
    EXPECT_EQ(e.GetEnergy(), 0);
    e.AddEnergy(100);
    EXPECT_EQ(e.GetEnergy(), 20);
}

TEST(EntityTest, MaximaAreNotEnforcedUntilTheNextChange) {
    Entity e = MakeEntity();
    e.SetMaxHP(10);
    EXPECT_EQ(e.GetHP(), 40);
    e.LoseHP(1);
    EXPECT_EQ(e.GetHP(), 10);
}

TEST(EntityTest, HugeAmountsSaturateInsteadOfOverflowing) {
    Entity e = MakeEntity();
    e.SetHP(INT_MAX);
    e.SetMaxHP(INT_MAX);
    e.AddHP(INT_MAX);
    EXPECT_EQ(e.GetHP(), INT_MAX);
    e.LoseHP(INT_MIN);
    EXPECT_EQ(e.GetHP(), INT_MAX);
    e.SetGold(INT_MAX);
    e.AddGold(10);
    EXPECT_EQ(e.GetGold(), INT_MAX);
    e.SetXP(INT_MIN);
    e.AddXP(-1);
    EXPECT_EQ(e.GetXP(), INT_MIN);
}

TEST(EntityTest, GoldRules) {
    Entity e = MakeEntity();
    e.SpendGold(50);
    EXPECT_EQ(e.GetGold(), 0);
    e.SetGold(20);
    e.SpendGold(-50);
    EXPECT_EQ(e.GetGold(), 20);
    e.AddGold(-50);
    EXPECT_EQ(e.GetGold(), -30);
}

TEST(EntityTest, NamesMustBeNonEmptyAndFitIn35Characters) {
    Entity e = MakeEntity();
    EXPECT_FALSE(e.SetName(""));
    EXPECT_EQ(e.GetName(), "Wolf");
    EXPECT_FALSE(e.SetName(std::string(36, 'x')));
    EXPECT_EQ(e.GetName(), "Wolf");
    EXPECT_TRUE(e.SetName(std::string(35, 'y')));
    EXPECT_EQ(e.GetName(), std::string(35, 'y'));
    EXPECT_FALSE(e.SetName(std::string(100000, 'z')));
}

TEST(EntityTest, CheckIfDeadSpeaksOnlyWhenHPIsGone) {
    testing::TestWorld world("\n");
    Entity e = MakeEntity();
    EXPECT_FALSE(e.CheckIfDead());
    EXPECT_EQ(world.Output(), "");
    e.SetHP(0);
    EXPECT_TRUE(e.CheckIfDead());
    EXPECT_EQ(world.Output(), "You are dead.\n\nPress the Enter key to continue\n\n");
}

}  // namespace
}  // namespace vaskarn
