#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/screen.h"
#include "crafting/workshop.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kAsk = "How many hours do you want to work?\n>";
const std::string kShort = "You don't have enough energy to work that long.\n" + P + kAsk;

// Hours are weighed against the energy exactly, however many are asked
// for; none, a negative number or a word is no work at all; the pay stops
// at the 32-bit edge.
TEST(WorkshopTest, HoursAgainstEnergyAndPay) {
    const struct { int energy; std::string hours, said; int energyAfter, goldAfter; } cases[] = {
        {35, "4\n\n3", kShort + "You work for 3 hours.\nYou use up 30 energy.\n", 5, 400},
        {35, "0", "You work for 0 hours.\nYou use up 0 energy.\n", 35, 100},
        {35, "lots", "You work for 0 hours.\nYou use up 0 energy.\n", 35, 100},
        {35, "-5", "You work for 0 hours.\nYou use up 0 energy.\n", 35, 100},
        {20, "2147483647\n\n-2147483648", kShort + "You work for 0 hours.\n", 20, 100},
        {INT_MAX, "214748364",
         "You work for 214748364 hours.\nYou use up 2147483640 energy.\n"
         "Then, you go back to the front of the workshop,\nand get paid 2147483647 coins.\n",
         7, INT_MAX},
    };
    for (const auto& c : cases) {
        TestWorld world("1\n\n" + c.hours + "\n\n");
        Player hero;
        hero.SetGold(100);
        hero.SetMaxEnergy(INT_MAX);
        hero.SetEnergy(c.energy);
        hero.SetWorkshopJob(1);
        EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, workshop); }));
        const std::string out = world.Output();
        EXPECT_NE(out.find(kAsk + c.said), std::string::npos) << c.hours << "\n" << out;
        EXPECT_EQ(hero.GetEnergy(), c.energyAfter) << c.hours;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.hours;
    }
}

}  // namespace
}  // namespace vaskarn
