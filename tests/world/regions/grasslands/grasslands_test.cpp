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

// Fishing takes 10 energy a try, whatever comes of it; below 10 nothing is
// drawn at all.
TEST(GrasslandsTest, FishingCostsTenEnergyATry) {
    const struct {
        int energy;
        unsigned roll;
        const char* keys;  // after the answer to the question
        int energyAfter;
        int hpAfter;
        bool keptFish;
        int draws;
    } cases[] = {
        {10, 0, "2\n\n", 0, 1, true, 1},     // caught and kept
        {10, 6, "1\n\n", 10, 40, false, 1},  // eaten: 40 HP (to the maximum) and 10 energy back
        {10, 3, "\n", 0, 1, false, 1},       // it got away
        {9, 0, "\n", 9, 1, false, 0},        // too tired to try
    };
    for (const auto& c : cases) {
        TestWorld world(std::string("\n4\nmaybe\ny\n") + c.keys);
        world.scripted.Push({c.roll});
        Player hero;
        hero.SetEnergy(c.energy);
        hero.SetHP(1);
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(pond); }));
        EXPECT_EQ(std::tuple(hero.GetEnergy(), hero.GetHP()), std::tuple(c.energyAfter, c.hpAfter)) << c.roll << c.keys;
        EXPECT_EQ(Holds(hero.GetInventory(), "Fish"), c.keptFish) << c.roll << c.keys;
        EXPECT_EQ(world.scripted.draws, c.draws);
        // The question is asked again after an answer that is neither yes nor no.
        const std::string question = "There are fish swimming in the water.\nWant to catch some?(y/n)\n>";
        EXPECT_NE(world.Output().find(question + question + "It takes you 10 energy per try for fishing.\n"),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace vaskarn
