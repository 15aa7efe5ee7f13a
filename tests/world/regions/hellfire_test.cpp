#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "world/regions/hellfire.h"
#include "world/regions/late_heroes.h"

namespace vaskarn {
namespace {

using testing::kPause;

// Fleeing from the demon is a death: half the gold, a hero made whole, and
// the crossroads. (The won fight is the hellfire_abyss transcript.)
TEST(HellFireTest, FleeingIsADeath) {
    Player hero;
    hero.SetGold(101);
    hero.SetPoisoned(true);
    const std::string out = testing::Visit(hero, hellfireabyss, testing::kFleeKeys);
    EXPECT_TRUE(testing::Has(out, "without being harmed.\n" + kPause +
                                      "The Abyssal Demon Of Darkness has killed you!\n" + kPause +
                                      "\n\n\n\nYou stand where many roads meet"));
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.IsPoisoned(), hero.GetHellFire()),
              std::tuple(50, 40, false, false));
}

}  // namespace
}  // namespace vaskarn
