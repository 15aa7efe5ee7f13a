#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Shows the crossroads once with `choice` typed (and Enter for any pause);
// returns the numbers of the listed entries and, in `after`, what followed the prompt.
std::vector<int> Visit(Player& hero, const std::string& choice = "0", std::string* after = nullptr) {
    TestWorld world("\n" + choice + "\n\n\n");
    crossroads(&hero);
    const std::string out = world.Output();
    const std::size_t menu = out.find("Where do you want to go?\n\n");
    std::istringstream lines(out.substr(menu + 26));
    std::vector<int> listed;
    std::string line;
    while (std::getline(lines, line) && line[0] != '>') listed.push_back(std::stoi(line));
    if (after) *after = out.substr(out.find('>', menu) + 1);
    return listed;
}

TEST(CrossroadsTest, EntriesAreListedByTheQuestFlags) {
    const std::vector<int> always = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
    const struct {
        const char* flags;  // the file's flag order, as in the save
        std::vector<int> late;
    } cases[] = {
        {"000000000000000", {}},   {"100000000000000", {8}},  {"011100000000000", {12}},  // each of the three
        {"001100000000000", {}},   {"010100000000000", {}},   {"011000000000000", {}},    // flags it needs
        {"000010000000000", {13}}, {"000000010000000", {14}}, {"000000100000000", {15}},
        {"000000101000000", {16}}, {"000001001000000", {17}}, {"000001000100000", {18}},
        {"000000000100100", {19}}, {"000000000000110", {20}}, {"000000000000011", {21}},
        {"111110111000000", {8, 12, 13, 14, 16}},
    };
    bool (Player::*const setters[15])(bool) = {
        &Player::SetGrasslands, &Player::SetForest,    &Player::SetMeadow,    &Player::SetOceanCity,
        &Player::SetForest2,    &Player::SetMountain,  &Player::SetHeaven,    &Player::SetSwamp,
        &Player::SetGraveyard,  &Player::SetHellFire,  &Player::SetVroengard, &Player::SetCastle,
        &Player::SetRuneKing,   &Player::SetPeace,     &Player::SetKing};
    for (const auto& c : cases) {
        Player hero;
        for (int i = 0; i < 15; ++i) (hero.*setters[i])(c.flags[i] == '1');
        std::vector<int> expected = always;
        expected.insert(expected.end(), c.late.begin(), c.late.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Visit(hero), expected) << c.flags;
    }
}

TEST(CrossroadsTest, ElvenForestOpensUnderOtherFlagsThanItIsListedUnder) {
    Player hero;
    hero.SetOceanCity(true);
    hero.SetForest(true);
    std::string after;
    Visit(hero, "12", &after);
    EXPECT_EQ(after, "\n\n");  // neither forest2 nor meadow: closed
    hero.SetForest(false);
    hero.SetMeadow(true);
    const std::vector<int> listed = Visit(hero, "12", &after);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), 12), 0);
    EXPECT_NE(after.find("Elven workers"), std::string::npos);
}

TEST(CrossroadsTest, ClosedAndUnknownChoicesComeBackQuietly) {
    Player hero;
    std::string after;
    for (const char* choice : {"8", "0", "-4", "22", "x", "99999999999"}) {
        Visit(hero, choice, &after);
        EXPECT_EQ(after, "\n\n\n") << choice;  // the read's two line ends, then one
    }
    Visit(hero, "19", &after);
    EXPECT_EQ(after, "\n\n");
}

TEST(CrossroadsTest, AFailedFinalSaveIsReported) {
    TestWorld world("\n21\n\n\n\n");
    std::filesystem::create_directory(world.Dir() / "Player.dll");  // nothing can replace a directory
    Player hero;
    hero.SetKing(true);
    EXPECT_TRUE(world.EndsGame([&] { crossroads(&hero); }));
    EXPECT_NE(world.Output().find("with you!\n\nPress the Enter key to continue\n\nThe game could not be saved.\n"),
              std::string::npos);
    EXPECT_FALSE(world.ReadFile("Player.dll"));
}

// A long walk through the places built so far (the status screen and back,
// the arena and back, an unknown number) never leaves more than one screen
// waiting to resume, and ends where the input ends.
TEST(CrossroadsTest, ALongWalkLeavesAtMostOneScreenWaiting) {
    std::string walk;
    for (int i = 0; i < 2000; ++i) walk += "\n3\n\n0\n\n2\n\nn\n\n\n99\n";
    testing::TestWorld world(walk);
    Player hero;
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(crossroads); }));
    EXPECT_EQ(loop.DeepestWaiting(), 1u);
    const std::string out = world.Output();
    std::size_t visits = 0;
    const std::string back = "You walk back towards the village.";
    for (std::size_t at = out.find(back); at != std::string::npos; at = out.find(back, at + 1)) ++visits;
    EXPECT_EQ(visits, 2000u);
}

}  // namespace
}  // namespace vaskarn
