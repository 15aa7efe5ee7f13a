#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/grasslands/grasslands.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// The hunt re-seeds, draws the group's size, then one animal per place;
// the battle's own draws follow. A retreat (roll 0) loses the hunt: half
// the gold, and a hero made whole and cured.
TEST(GrasslandsTest, ALostHuntDrawsInOrderAndCostsHalfTheGold) {
    TestWorld world("\n3\ny\n\n\n7\n\n");  // the poison stings first
    world.scripted.Push({1, 5, 9, 0});
    Player hero;
    hero.SetGold(101);
    hero.SetHP(30);
    hero.SetPoisoned(true);
    const std::string out = testing::Visit(world, hero, grasslands);
    EXPECT_TRUE(testing::Has(out, "\n1. Wild Boar - 200/200 \n2. Chicken - 5/5 \n\n"));
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
        const std::string out = testing::Visit(world, hero, pond);
        EXPECT_EQ(std::tuple(hero.GetEnergy(), world.scripted.draws),
                  energy == 10 ? std::tuple(0, 1) : std::tuple(9, 0));
        const std::string question = "There are fish swimming in the water.\nWant to catch some?(y/n)\n>";
        EXPECT_TRUE(testing::Has(out, question + question + "It takes you 10 energy per try for fishing.\n"));
    }
}

}  // namespace
}  // namespace vaskarn
