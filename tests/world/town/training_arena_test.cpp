#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/training_arena.h"

namespace vaskarn {
namespace {

// The group size and its members come from the draws, at the edges of the
// level bands; fleeing (roll 0) ends the fight, free, so the first list of
// the group can be read.
TEST(TrainingArenaTest, GroupSizeAndPoolFollowTheHerosLevel) {
    struct Case { int level; std::vector<unsigned> draws; std::string list; };
    const std::vector<Case> cases{
        {5, {2, 7, 0}, "Mage - 10/10 \n"},
        {6, {5, 0, 6, 0}, "1. Shortbow Man - 60/60 \n2. Master Marksman (Poisoned Arrow) - 400/400 \n\n"},
        {10, {2, 3, 4, 5, 0}, "1. Crossbow Man - 70/70 \n2. Expert Marksman - 150/150 \n"
                              "3. Theo The Great Bowman - 200/200 \n\n"},
        {19, {3, 6, 0}, "Champion - 130/130 \n"},
        {20, {5, 7, 8, 0, 0}, "1. Attack Horseman - 100/100 \n2. White Knight - 120/120 \n"
                              "3. White Knight - 120/120 \n\n"},
        {21, {3, 1, 2, 3, 4, 0}, "1. Bronze Knight - 90/90 \n2. Guilded Cavalier - 140/140 \n"
                                 "3. Cavalier - 100/100 \n4. Guilded Knight - 80/80 \n\n"},
    };
    for (const Case& c : cases) {
        testing::TestWorld world("ya\n\n7\n\n");
        Player hero;
        hero.SetLevel(c.level);
        for (unsigned draw : c.draws) world.scripted.Push({draw});
        training_arena(&hero);
        EXPECT_NE(world.Output().find("\n\n\n\n\n\n" + c.list + "\n\n"), std::string::npos) << c.level;
        EXPECT_EQ(hero.GetGold(), 100);
    }
}

}  // namespace
}  // namespace vaskarn
