#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>

#include "app/command_mode.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Player fields the recovery sets, in the order it asks for them.
std::array<int, 16> Fields(const Player& h) {
    return {h.GetHP(),          h.GetMaxHP(),      h.GetMP(),           h.GetMaxMP(),
            h.GetEnergy(),      h.GetMaxEnergy(),  h.GetTokens(),       h.GetBars(),
            h.GetHerbloreLevel(), h.GetHerbloreXP(), h.GetSmithingLevel(), h.GetSmithingXP(),
            h.GetArrows(),      h.GetAttack(),     h.GetDefense(),      h.GetStrength()};
}

// Values that pass are applied (the recovery transcript checks each stored
// one); these all fail their tests, so a new hero's values stay. The lowest
// int is a number like any other: the row goes on after it.
TEST(CommandModeTest, RecoveryAppliesOnlyValuesThatPassTheirTests) {
    TestWorld world("\nAyla\n5\n0\n-1\n-1\n-2147483648 19 -1 19 -1 19 -1 -1 0 -1 0 -1 -1\n0 -2 0\nY\n\n\n\n\n");
    Player refused;
    refused.SetPoisoned(true);
    RecoverFile(refused);
    EXPECT_EQ(Fields(refused), Fields(Player()));
    EXPECT_EQ(std::tuple(refused.GetLevel(), refused.GetGold(), refused.GetGroup()), std::tuple(1, 100, 5));
    EXPECT_FALSE(refused.HasBow());  // "Y" is not "y"
    EXPECT_FALSE(refused.IsPoisoned());
}

TEST(CommandModeTest, RecoveryStopsReadingNumbersAtTheFirstThatFails) {
    // "wizard" and 0 ask the class again; the row of numbers spans two lines
    // and stops at "x", so the rest take their defaults.
    TestWorld world("\nayla\nwizard\n0\n2\nlots\n-5\n-5\n50\n60 70 x 80 90\n4 nope 6\nno\n\n\n\n\n");
    Player hero;
    hero.SetTokens(9);
    RecoverFile(hero);
    EXPECT_EQ(hero.GetName(), "ayla");
    EXPECT_EQ(hero.GetGroup(), 2);
    EXPECT_EQ(hero.GetGold(), 100);
    EXPECT_EQ(Fields(hero), (std::array<int, 16>{50, 60, 70, 20, 20, 20, 0, 0, 1, 0, 1, 0, 0, 4, 1, 1}));
}

TEST(CommandModeTest, RecoveryCutsALongNameAndReportsAFailedSave) {
    TestWorld world("\n" + std::string(50, 'n') + "\n5\n1\n0\n0\nx\nx\nn\n\n\n\n");
    std::filesystem::create_directory(world.Dir() / "Player.dll");  // nothing can replace a directory
    Player hero;
    RecoverFile(hero);
    EXPECT_EQ(hero.GetName(), std::string(35, 'n'));
    EXPECT_NE(world.Output().find("Your file will be now saved.\n\nThe game could not be saved.\n"), std::string::npos);
    EXPECT_EQ(world.Output().find("saved successfully"), std::string::npos);
}

}  // namespace
}  // namespace vaskarn
