#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/boat_dock/vroengard.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;

// The chain from the island's shore until the input runs out: enough Enters
// for every pause before the fight; the battle's menu skips the rest.
std::string Sail(testing::TestWorld& world, Player& hero, const std::string& move) {
    world.SetInput("\n\n\n\n\n\n" + move + "\n\n\n\n\n\n");
    return testing::Visit(world, hero, vroengard);
}

// Draws are all 0: a retreat always gets away, and a flight from any of the
// three is a death all the same, which saves nothing.
TEST(VroengardTest, TheChainResumesAtTheFirstGuardianStillStandingAndAFlightIsADeath) {
    const struct {
        bool guardianBeaten, spiritBeaten;
        const char* first;
        std::string defeat;
    } cases[] = {
        {false, false, "Guardian Of Vroengard - 20000/20000", "The Guardian Of Vroengard has killed you!\n"},
        {false, true, "Guardian Of Vroengard - 20000/20000", "The Guardian Of Vroengard has killed you!\n"},
        {true, false, "Spirit Of Eldmyrs - 70000/70000", "The Spirit Of Eldmyrs has killed you!\n"},
        {true, true, "Rune King - 100000/100000",
         "Well, the Rune King has killed you...\n" + kPause + "Out of the darkness comes the Mourning Sage."},
    };
    for (const auto& c : cases) {
        testing::TestWorld world;
        Player hero;
        hero.SetVroengard(c.guardianBeaten);
        hero.SetCastle(c.spiritBeaten);
        hero.SetGold(1001);
        hero.SetMaxHP(100);
        hero.SetHP(60);
        const std::string out = Sail(world, hero, "7");
        EXPECT_TRUE(Has(out, c.first));
        EXPECT_EQ(out.find("prepare to fight"), out.rfind("prepare to fight")) << c.first;  // one fight only
        EXPECT_TRUE(Has(out, "without being harmed.\n" + kPause + c.defeat)) << c.first;
        EXPECT_TRUE(Has(out, kPause + "\n\n\n\nYou stand where many roads meet")) << c.first;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetVroengard(), hero.GetCastle(), hero.GetRuneKing()),
                  std::tuple(500, 100, c.guardianBeaten, c.spiritBeaten, false))
            << c.first;
        EXPECT_FALSE(world.ReadFile("Player.dll")) << c.first;
    }
}

// The Rune King's defeat saves at once, and says so when it cannot.
TEST(VroengardTest, TheRuneKingsDefeatSavesTheGame) {
    for (const bool blocked : {false, true}) {
        testing::TestWorld world;
        if (blocked) std::filesystem::create_directory(world.Dir() / "Player.dll");
        Player hero;
        hero.SetVroengard(true);
        hero.SetCastle(true);
        hero.SetLevel(300);  // the XP raises him no further, and his title stays
        hero.SetGroupName("Guilded Paladin");
        hero.SetAttack(200000);
        hero.SetGold(0);
        const std::string out = Sail(world, hero, "1");
        EXPECT_TRUE(Has(out, "Congratulations! You have defeated the Rune King!\n" +
                                 std::string(blocked ? "The game could not be saved.\n" : "") + kPause +
                                 "The old sailor"));
        EXPECT_EQ(std::tuple(hero.GetRuneKing(), hero.GetGold()), std::tuple(true, 20000000));
        if (!blocked) {
            EXPECT_EQ(world.ReadFile("Player.dll")->at(210), 1);  // the Rune King's flag
        }
    }
}

}  // namespace
}  // namespace vaskarn
