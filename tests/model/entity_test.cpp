#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "model/entity.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

// A Wolf with 40/40 HP, 10/10 MP, 20/20 energy and 20 gold.
Entity Wolf() {
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

TEST(EntityTest, ChangingOperationsClampAsTheirRulesSay) {
    struct Case {
        const char* what;
        std::function<void(Entity&)> change;
        std::function<int(const Entity&)> read;
        int expected;
    };
    const auto hp = [](const Entity& e) { return e.GetHP(); };
    const auto mp = [](const Entity& e) { return e.GetMP(); };
    const auto energy = [](const Entity& e) { return e.GetEnergy(); };
    const auto gold = [](const Entity& e) { return e.GetGold(); };
    const std::vector<Case> cases = {
        {"AddHP past the maximum", [](Entity& e) { e.AddHP(100); }, hp, 40},
        {"LoseHP past zero", [](Entity& e) { e.LoseHP(100); }, hp, 0},
        {"a negative loss heals within the clamp", [](Entity& e) { e.LoseHP(-5); }, hp, 40},
        {"a lower maximum waits for the next change", [](Entity& e) { e.SetMaxHP(10); }, hp, 40},
        {"then the next change applies it", [](Entity& e) { e.SetMaxHP(10), e.LoseHP(1); }, hp, 10},
        {"HP: raised to 0 first, so a negative maximum wins", [](Entity& e) { e.SetMaxHP(-5), e.AddHP(0); }, hp, -5},
        {"LoseMP past zero", [](Entity& e) { e.LoseMP(11); }, mp, 0},
        {"AddMP past the maximum", [](Entity& e) { e.SetMP(3), e.AddMP(50); }, mp, 10},
        {"UseEnergy past zero", [](Entity& e) { e.UseEnergy(25); }, energy, 0},
        {"AddEnergy past the maximum", [](Entity& e) { e.AddEnergy(100); }, energy, 20},
        {"energy: raised to 0 last", [](Entity& e) { e.SetMaxEnergy(-5), e.AddEnergy(0); }, energy, 0},
        {"SpendGold beyond the purse", [](Entity& e) { e.SpendGold(50); }, gold, 0},
        {"SpendGold of a negative amount", [](Entity& e) { e.SpendGold(-50); }, gold, 20},
        {"AddGold may go into debt", [](Entity& e) { e.AddGold(-50); }, gold, -30},
        {"huge sums saturate", [](Entity& e) { e.SetMaxHP(INT_MAX), e.SetHP(INT_MAX), e.LoseHP(INT_MIN); }, hp,
         INT_MAX},
        {"huge gold saturates", [](Entity& e) { e.SetGold(INT_MAX), e.AddGold(10); }, gold, INT_MAX},
        {"huge XP losses saturate", [](Entity& e) { e.SetXP(INT_MIN), e.AddXP(-1); },
         [](const Entity& e) { return e.GetXP(); }, INT_MIN},
    };
    for (const Case& c : cases) {
        Entity e = Wolf();
        c.change(e);
        EXPECT_EQ(c.read(e), c.expected) << c.what;
    }
}

TEST(EntityTest, NamesMustBeNonEmptyAndFitIn35Characters) {
    Entity e = Wolf();
    EXPECT_FALSE(e.SetName(""));
    EXPECT_FALSE(e.SetName(std::string(36, 'x')));
    EXPECT_EQ(e.GetName(), "Wolf");
    EXPECT_TRUE(e.SetName(std::string(35, 'y')));
    EXPECT_EQ(e.GetName(), std::string(35, 'y'));
}

TEST(EntityTest, CheckIfDeadSpeaksOnlyWhenHPIsGone) {
    testing::TestWorld world("\n");
    Entity e = Wolf();
    EXPECT_FALSE(e.CheckIfDead());
    EXPECT_EQ(world.Output(), "");
    e.SetHP(0);
    EXPECT_TRUE(e.CheckIfDead());
    EXPECT_EQ(world.Output(), "You are dead.\n\nPress the Enter key to continue\n\n");
}

// Each check refuses strictly below its price, and only then speaks.
TEST(EntityTest, MoneyChecksRefuseBelowTheirPrice) {
    const struct { int gold; std::function<bool(Entity&)> check; bool pays; } cases[] = {
        {19, [](Entity& e) { return e.CheckMoney_OldMan(20); }, false},
        {20, [](Entity& e) { return e.CheckMoney_OldMan(20); }, true},
        {9, [](Entity& e) { return e.CheckMoney_Inn(); }, false},
        {10, [](Entity& e) { return e.CheckMoney_Inn(); }, true},
        {499, [](Entity& e) { return e.CheckMoney_Mentor(); }, false},
        {500, [](Entity& e) { return e.CheckMoney_Mentor(); }, true},
    };
    for (const auto& c : cases) {
        testing::TestWorld world("\n");
        Entity e = Wolf();
        e.SetGold(c.gold);
        EXPECT_EQ(c.check(e), c.pays) << c.gold;
        EXPECT_EQ(world.Output(), c.pays ? "" : "You don't have enough money.\n\nPress the Enter key to continue\n\n");
        EXPECT_EQ(e.GetGold(), c.gold);
    }
}

}  // namespace
}  // namespace vaskarn
