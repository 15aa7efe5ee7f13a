#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/stats.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// One pass of the status menu with `choice` typed; what followed the prompt.
std::string Pick(TestWorld& world, Player& hero, const std::string& choice) {
    world.SetInput(choice + "\n\n");
    world.TakeOutput();
    statsmenu(&hero);
    const std::string out = world.TakeOutput();
    return out.substr(out.find("0. Return To Game \n>") + 20);
}

TEST(StatsTest, HeaderMarksPoisonAndComputesTheNextLevel) {
    TestWorld world("\n\n");
    Player hero;
    hero.SetLevel(3);
    hero.SetPoisoned(true);
    EXPECT_EQ(stats(&hero).target, &statsmenu);
    const std::string header = world.TakeOutput();
    EXPECT_EQ(header.substr(0, 37), "\nHero the Hero - Level 3 (Poisoned) \n");
    EXPECT_NE(header.find("Next Level At: 270\n"), std::string::npos);
    hero.SetLevel(50000);  // the square would overflow
    stats(&hero);
    EXPECT_NE(world.Output().find("Next Level At: 2147483647\n"), std::string::npos);
}

TEST(StatsTest, MenuMatchesTheFirstWordExactly) {
    TestWorld world;
    Player hero;
    hero.SetMeadow(true);
    hero.SetKing(true);
    EXPECT_EQ(Pick(world, hero, "  1 and more"),
              "\n\nMeadow Quest Complete\nKing Quest Complete\n\n\nPress the Enter key to continue\n\n");
    EXPECT_EQ(Pick(world, hero, "011"), "\n\n");
    world.SetInput("0\n");
    EXPECT_EQ(statsmenu(&hero).kind, Transition::Kind::Back);
}

TEST(StatsTest, CollectionsNumberHeldSlotsEvenAfterAnEmptyFirstSlot) {
    TestWorld world;
    Player hero;
    hero.GetPotion()[4] = std::make_unique<Potion>();
    hero.GetPotion()[4]->CreatePotion("Small Health Potion", 20, 0, 25);
    hero.GetPotion()[4]->SetAmount(3);
    EXPECT_EQ(Pick(world, hero, "7"),
              "\n\nPotions\n\nYou have no potions.\n\n"
              "5. Small Health Potion (3) - HP Restore: 20 :: MP Restore: 0\n"
              "\nPress the Enter key to continue\n\n");
}

TEST(StatsTest, PlayClockSplitsProcessTime) {
    const auto split = [](std::int64_t millis) {
        const PlayTime t = PlayTimeFromMillis(millis);
        return std::array{t.hours, t.minutes, t.seconds};
    };
    EXPECT_EQ(split(3725999), (std::array<std::int64_t, 3>{1, 2, 5}));
    EXPECT_EQ(split(100LL * 3600 * 1000 + 59999), (std::array<std::int64_t, 3>{100, 0, 59}));
    EXPECT_EQ(split(-5000), (std::array<std::int64_t, 3>{0, 0, 0}));
    TestWorld world;
    world.clock.SetProcessMillis(3725000);
    Player hero;
    EXPECT_NE(Pick(world, hero, "12").find("Hours: 1\nMinutes: 2\nSeconds: 5\n\n"), std::string::npos);
}

// A save that works is the transcripts' business (and the next test's). A
// bank that cannot be replaced fails the whole save: the hero's file is not
// replaced either.
TEST(StatsTest, AFailedSaveSaysSoAndKeepsTheOldFiles) {
    TestWorld world;
    Player hero;
    world.WriteFile("Player.dll", "old hero");
    std::filesystem::create_directory(world.Dir() / "Bank.dll");
    EXPECT_EQ(Pick(world, hero, "11"), "\n\n\nThe game could not be saved.\n\n\n\n");
    EXPECT_EQ(world.ReadFile("Player.dll"), "old hero");
}

// What used to be in the way of the temporary files: a link there was
// written through, a directory there blocked every save.
TEST(StatsTest, SaveNeitherWritesThroughALinkNorStopsAtADirectoryNamedLikeItsTemporaryFile) {
    TestWorld world;
    world.WriteFile("victim", "precious");
    std::filesystem::create_symlink("victim", world.Dir() / "Player.dll.tmp");
    std::filesystem::create_directory(world.Dir() / "Bank.dll.tmp");
    Player hero;
    EXPECT_EQ(Pick(world, hero, "11"), "\n\n\nGame Saved!\n\n\n\n");
    EXPECT_EQ(world.ReadFile("victim"), "precious");
    EXPECT_EQ(world.ReadFile("Player.dll")->size(), 545u);
    EXPECT_EQ(world.ReadFile("Bank.dll")->size(), 4u);
}

}  // namespace
}  // namespace vaskarn
