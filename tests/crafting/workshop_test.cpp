#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "core/screen.h"
#include "crafting/workshop.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

// Hours are weighed against the energy exactly, however many are asked
// for (too many, then a negative number worked as none), and the pay stops
// at the 32-bit edge.
TEST(WorkshopTest, HoursAgainstEnergyAndPay) {
    const struct { int energy; std::string hours; int energyAfter, goldAfter; } cases[] = {
        {20, "2147483647\n\n-2147483648", 20, 100},
        {INT_MAX, "214748364", 7, INT_MAX},
    };
    for (const auto& c : cases) {
        testing::TestWorld world("1\n\n" + c.hours + "\n\n");
        Player hero;
        hero.SetGold(100);
        hero.SetMaxEnergy(INT_MAX);
        hero.SetEnergy(c.energy);
        hero.SetWorkshopJob(1);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, workshop); }));
        EXPECT_EQ(std::tuple(hero.GetEnergy(), hero.GetGold()), std::tuple(c.energyAfter, c.goldAfter)) << c.hours;
    }
}

}  // namespace
}  // namespace vaskarn
