#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/late_heroes.h"
#include "world/regions/mountain.h"

namespace vaskarn {
namespace {

using testing::kFleeKeys;
using testing::kPause;
using testing::MakeChampion;
using testing::Pauses;
using testing::TestWorld;
using testing::WinKeys;

const std::string kClimb = WinKeys(2) + WinKeys(4) + WinKeys(3) + Pauses(6);
const std::string kDone = "Congratulations! You have completed the Mountain Quest!\n";

// The won climb saves at once; a save that fails says so, and the quest
// stays won for the rest of the run.
TEST(MountainTest, TheClimbSavesAndReportsAFailedSave) {
    for (const bool blocked : {false, true}) {
        TestWorld world(kClimb);
        if (blocked) std::filesystem::create_directory(world.Dir() / "Player.dll");  // nothing can replace it
        Player hero;
        MakeChampion(hero);
        hero.SetGraveyard(true);
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(mountainquest); }));
        const std::string out = world.Output();
        EXPECT_TRUE(hero.GetMountain());
        if (blocked) {
            EXPECT_NE(out.find(kDone + "The game could not be saved.\n" + kPause), std::string::npos);
        } else {
            EXPECT_NE(out.find(kDone + kPause), std::string::npos);
            const auto saved = world.ReadFile("Player.dll");
            ASSERT_TRUE(saved);
            EXPECT_EQ((*saved)[203], 1);  // the mountain's flag
        }
    }
}

// Fleeing from the Rune Knights is a death that keeps the elementals'
// gifts; the next climb gives each gift once and refunds nothing.
TEST(MountainTest, AClimbLostAtTheKnightsAndClimbedAgain) {
    TestWorld world(WinKeys(2) + WinKeys(4) + kFleeKeys + Pauses(4) + "16\n" + kClimb);
    Player hero;
    MakeChampion(hero);
    hero.SetGold(0);
    hero.SetGraveyard(true);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(mountainquest); }));
    const std::string out = world.Output();
    EXPECT_NE(out.find("without being harmed.\n" + kPause + "The Rune Knights have killed you!\n" + kPause +
                       "\n\n\n\nYou stand where many roads meet"),
              std::string::npos);
    EXPECT_EQ(out.find("You already have"), std::string::npos);
    EXPECT_TRUE(hero.GetMountain());
    // Half of the first climb's gold, then the whole of the second.
    EXPECT_EQ(hero.GetGold(), (100000 + 1370000) / 2 + 100000 + 1370000 + 1500000);
    EXPECT_EQ(CountHeld(hero.GetSpell()), 2u);
    EXPECT_EQ(CountHeld(hero.GetSpecialAttack()), 2u);
    EXPECT_EQ(CountHeld(hero.GetGodPower()), 2u);  // the mountain's and runite's
    EXPECT_EQ(hero.GetWeapon()->GetName(), "Sword Of Eldmyrs");
    EXPECT_EQ(hero.GetGauntlets()->GetName(), "Eldmyrs Gauntlets");
}

}  // namespace
}  // namespace vaskarn
