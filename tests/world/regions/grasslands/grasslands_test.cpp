#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/grasslands/grasslands.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";

// The hunt re-seeds, draws the group's size, then one animal per place;
// the battle's own draws follow. A retreat (roll 0) loses the hunt.
TEST(GrasslandsTest, ALostHuntDrawsInOrderAndCostsHalfTheGold) {
    TestWorld world("\n3\ny\n\n\n7\n\n");  // the poison stings first
    world.scripted.Push({1, 5, 9, 0});
    Player hero;
    hero.SetGold(101);
    hero.SetHP(30);
    hero.SetPoisoned(true);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(grasslands); }));
    const std::string out = world.Output();
    EXPECT_NE(out.find("\n1. Wild Boar - 200/200 \n2. Chicken - 5/5 \n\n"), std::string::npos);
    EXPECT_NE(out.find("without being harmed.\n" + P + "You stand on an open plain"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetMP(), hero.GetEnergy(), hero.IsPoisoned()),
              std::tuple(50, 40, 10, 20, false));
    EXPECT_EQ(world.scripted.draws, 4);
}

// Fishing takes 10 energy a try, even from exactly 10 and when the fish gets
// away (roll 3); with 9 there is no try and no draw. An answer that is
// neither yes nor no asks again.
TEST(GrasslandsTest, FishingCostsTenEnergyATry) {
    for (int energy : {10, 9}) {
        TestWorld world("\n4\nmaybe\ny\n\n");
        world.scripted.Push({3});
        Player hero;
        hero.SetEnergy(energy);
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(pond); }));
        EXPECT_EQ(hero.GetEnergy(), energy == 10 ? 0 : 9);
        EXPECT_EQ(world.scripted.draws, energy == 10 ? 1 : 0);
        const std::string question = "There are fish swimming in the water.\nWant to catch some?(y/n)\n>";
        EXPECT_NE(world.Output().find(question + question + "It takes you 10 energy per try for fishing.\n"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace vaskarn
