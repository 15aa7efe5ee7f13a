#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/player.h"
#include "world/regions/late_heroes.h"
#include "world/regions/mountain.h"

// The won climb and its save are the mountain_quest transcript.
namespace vaskarn {
namespace {

using testing::kPause;
using testing::MakeChampion;
using testing::Pauses;
using testing::WinKeys;

const std::string kClimb = WinKeys(2) + WinKeys(4) + WinKeys(3) + Pauses(6);

// A save that fails says so, and the quest stays won for the rest of the run.
TEST(MountainTest, AFailedSaveIsReported) {
    testing::TestWorld world(kClimb);
    std::filesystem::create_directory(world.Dir() / "Player.dll");  // nothing can replace it
    Player hero;
    MakeChampion(hero);
    hero.SetGraveyard(true);
    EXPECT_TRUE(testing::Has(testing::Visit(world, hero, mountainquest),
                             "Congratulations! You have completed the Mountain Quest!\n"
                             "The game could not be saved.\n" +
                                 kPause));
    EXPECT_TRUE(hero.GetMountain());
}

// Fleeing from the Rune Knights is a death that keeps the elementals'
// gifts; the next climb gives each gift once and refunds nothing.
TEST(MountainTest, AClimbLostAtTheKnightsAndClimbedAgain) {
    Player hero;
    MakeChampion(hero);
    hero.SetGold(0);
    hero.SetGraveyard(true);
    const std::string out =
        testing::Visit(hero, mountainquest, WinKeys(2) + WinKeys(4) + testing::kFleeKeys + Pauses(4) + "16\n" + kClimb);
    EXPECT_TRUE(testing::Has(out, "without being harmed.\n" + kPause + "The Rune Knights have killed you!\n" + kPause +
                                      "\n\n\n\nYou stand where many roads meet"));
    EXPECT_FALSE(testing::Has(out, "You already have"));
    EXPECT_TRUE(hero.GetMountain());
    // Half of the first climb's gold, then the whole of the second.
    EXPECT_EQ(hero.GetGold(), (100000 + 1370000) / 2 + 100000 + 1370000 + 1500000);
    EXPECT_EQ(CountHeld(hero.GetSpell()), 2u);
    EXPECT_EQ(CountHeld(hero.GetSpecialAttack()), 2u);
    EXPECT_EQ(CountHeld(hero.GetGodPower()), 2u);  // the mountain's and runite's
}

}  // namespace
}  // namespace vaskarn
