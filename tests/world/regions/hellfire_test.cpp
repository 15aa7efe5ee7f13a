#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/hellfire.h"
#include "world/regions/late_heroes.h"

namespace vaskarn {
namespace {

using testing::kFleeKeys;
using testing::kPause;
using testing::TestWorld;

// Fleeing from the demon is a death: half the gold, a hero made whole, and
// the crossroads.
TEST(HellFireTest, FleeingIsADeath) {
    TestWorld world(kFleeKeys);
    Player hero;
    hero.SetGold(101);
    hero.SetPoisoned(true);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(hellfireabyss); }));
    EXPECT_NE(world.Output().find("without being harmed.\n" + kPause + "The Abyssal Demon Of Darkness has killed you!\n" +
                                  kPause + "\n\n\n\nYou stand where many roads meet"),
              std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.IsPoisoned(), hero.GetHellFire()),
              std::tuple(50, 40, false, false));
}

}  // namespace
}  // namespace vaskarn
