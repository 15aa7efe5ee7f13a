#include <gtest/gtest.h>

#include <vector>

#include "model/monster.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

Monster Make(const char* name, int hp) {
    Monster m;
    m.CreateMonster(name, hp, hp, 4, 6, 3, 2, 0);
    return m;
}

TEST(MonsterTest, CreationSetsEveryFieldAndRefusesOverlongNames) {
    Monster fresh;
    EXPECT_EQ(fresh.GetAttack() + fresh.GetDefense() + fresh.GetHP() + fresh.GetXP() + fresh.GetGold(), 0);
    EXPECT_FALSE(fresh.IsPoisoned());

    Monster termite;
    termite.CreateMonster("Termite", 8, 10, 4, 6, 3, 2, 1);
    EXPECT_EQ(termite.GetName(), "Termite");
    EXPECT_EQ(termite.GetHP(), 8);
    EXPECT_EQ(termite.GetMaxHP(), 10);
    EXPECT_EQ(termite.GetGold(), 4);
    EXPECT_EQ(termite.GetXP(), 6);
    EXPECT_EQ(termite.GetAttack(), 3);
    EXPECT_EQ(termite.GetDefense(), 2);
    EXPECT_TRUE(termite.IsPoisoned());

    termite.CreateMonster(std::string(36, 'x'), 1, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(termite.GetName(), "Termite");
}

TEST(MonsterTest, GenerationPicksByRawDrawModuloTheListSizeWithoutReseeding) {
    testing::TestWorld world;
    const std::vector<Monster> list{Make("Crab", 5), Make("Eel", 7), Make("Shark", 9)};
    std::vector<Monster> group(3);
    world.scripted.Push({5, 1, 30});
    GenerateMonsterByType(group.data(), 3, list.data(), 3);
    EXPECT_EQ(group[0].GetName(), "Shark");
    EXPECT_EQ(group[1].GetName(), "Eel");
    EXPECT_EQ(group[2].GetName(), "Crab");
    EXPECT_EQ(world.scripted.seeds, 0);

    // One candidate: independent copies, the list untouched by their wounds.
    GenerateMonsterByType(group.data(), 3, list.data(), 1);
    group[0].LoseHP(4);
    EXPECT_EQ(group[1].GetHP(), 5);
    EXPECT_EQ(group[2].GetName(), "Crab");
    EXPECT_EQ(list[0].GetHP(), 5);

    // Zero candidates: the first one, and no draw at all.
    const int draws = world.scripted.draws;
    GenerateMonsterByType(group.data(), 2, list.data() + 1, 0);
    EXPECT_EQ(group[1].GetName(), "Eel");
    EXPECT_EQ(world.scripted.draws, draws);
    group[0].LoseHP(2);

    // No positions, or a negative list size: the group is left alone.
    GenerateMonsterByType(group.data(), 0, list.data() + 2, 1);
    GenerateMonsterByType(group.data(), 3, list.data() + 2, -1);
    EXPECT_EQ(group[0].GetName(), "Eel");
    EXPECT_EQ(group[0].GetHP(), 5);

    GenerateMonsterByType(std::span<Monster>(group), std::span<const Monster>(list.data() + 2, 1));
    EXPECT_EQ(group[2].GetName(), "Shark");
}

}  // namespace
}  // namespace vaskarn
