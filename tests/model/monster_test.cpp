#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/monster.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

Monster Make(const char* name, int hp) {
    Monster m;
    m.CreateMonster(name, hp, hp + 2, 4, 6, 3, 2, 0);
    return m;
}

TEST(MonsterTest, GroupsAreIndependentCopiesPickedByRawDrawModuloTheListSize) {
    testing::TestWorld world;
    const std::vector<Monster> list{Make("Crab", 5), Make("Eel", 7), Make("Shark", 9)};
    std::vector<Monster> group(3);
    world.scripted.Push({5, 1, 30});
    GenerateMonsterByType(group.data(), 3, list.data(), 3);
    EXPECT_EQ(std::tuple(group[0].GetName(), group[1].GetName(), group[2].GetName()),
              std::tuple("Shark", "Eel", "Crab"));
    EXPECT_EQ(world.scripted.seeds, 0);  // the caller re-seeds if it wants to

    GenerateMonsterByType(group.data(), 3, list.data(), 1);
    group[0].LoseHP(4);
    EXPECT_EQ(group[1].GetHP(), 5);
    EXPECT_EQ(list[0].GetHP(), 5);

    const int draws = world.scripted.draws;
    GenerateMonsterByType(group.data(), 2, list.data() + 1, 0);  // no candidates counted: the first, undrawn
    EXPECT_EQ(group[1].GetName(), "Eel");
    EXPECT_EQ(world.scripted.draws, draws);

    group[0].LoseHP(2);
    GenerateMonsterByType(group.data(), 0, list.data() + 2, 1);
    GenerateMonsterByType(group.data(), 3, list.data() + 2, -1);
    EXPECT_EQ(group[0].GetName(), "Eel");
    EXPECT_EQ(group[0].GetHP(), 5);
}

}  // namespace
}  // namespace vaskarn
