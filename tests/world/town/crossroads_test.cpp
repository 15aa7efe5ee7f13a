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
    const struct {
        const char* flags;  // the file's flag order, as in the save
        std::vector<int> late;
    } cases[] = {
        {"000000000000000", {}},   {"100000000000000", {8}},  {"011100000000000", {12}},  // each of the three
        {"001100000000000", {}},   {"010100000000000", {}},   {"011000000000000", {}},    // flags it needs
        {"000010000000000", {13}}, {"000000010000000", {14}}, {"000000100000000", {15}},
        {"000000101000000", {16}}, {"000001001000000", {17}}, {"000001000100000", {18}},
        {"000000000100100", {19}}, {"000000000000110", {20}}, {"000000000000011", {21}},
    };
    bool (Player::*const setters[15])(bool) = {
        &Player::SetGrasslands, &Player::SetForest,    &Player::SetMeadow,    &Player::SetOceanCity,
        &Player::SetForest2,    &Player::SetMountain,  &Player::SetHeaven,    &Player::SetSwamp,
        &Player::SetGraveyard,  &Player::SetHellFire,  &Player::SetVroengard, &Player::SetCastle,
        &Player::SetRuneKing,   &Player::SetPeace,     &Player::SetKing};
    for (const auto& c : cases) {
        Player hero;
        for (int i = 0; i < 15; ++i) (hero.*setters[i])(c.flags[i] == '1');
        std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
        expected.insert(expected.end(), c.late.begin(), c.late.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Visit(hero), expected) << c.flags;
    }
}

// Entry 12 opens under other flags than it is listed under; a closed entry
// or an unknown number brings the crossroads back after one empty line, an
// entry closed without words after none.
TEST(CrossroadsTest, ClosedAndUnknownChoicesComeBackQuietly) {
    Player hero;
    std::string after;
    for (const char* choice : {"8", "22", "x"}) {
        Visit(hero, choice, &after);
        EXPECT_EQ(after, "\n\n\n") << choice;
    }
    hero.SetOceanCity(true);
    hero.SetForest(true);
    for (const char* choice : {"12", "19"}) {
        Visit(hero, choice, &after);
        EXPECT_EQ(after, "\n\n") << choice;  // forest but neither forest2 nor meadow: closed
    }
    hero.SetForest(false);
    hero.SetMeadow(true);
    const std::vector<int> listed = Visit(hero, "12", &after);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), 12), 0);
    EXPECT_NE(after.find("Elven workers"), std::string::npos);
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

// Rounds from the hub through the status screen, the arena, the armory's
// sub-shops, every corner of the inn, the workshop and the mentor never pile
// up screens waiting to resume: at most a place and one room of it.
TEST(CrossroadsTest, ALongWalkKeepsTheWaitingListShort) {
    const std::string round =
        "\n3\n\n0\n\n2\n\nn\n\n\n99\n" "\n1\n\n\n"                     // the hub, then the town
        "3\n\n\n" "1\n0\n\nz\n0\n\n" "6\n0\n\n" "7\n\n" "3\n\n\nz\n"  // the armory
        "1\n\n\n" "6\n3\n6\n3\n" "1\nn\n\n\n" "5\nno\n\n" "4\n\n3\n\n\n" "2\n\n\n5\n\n\n" "x\n" "3\n\n\n" "7\n\n\n"
        "8\n\n" "2\nn\n\n" "1\n\n" "3\n\n\n"                             // the workshop
        "9\n\n\n\n" "2\n\n" "\n\nn\n\n\n\n\n\n" "6\n\n" "16\n\n\n" "11\n\n";
    std::string walk;
    for (int i = 0; i < 500; ++i) walk += round;
    TestWorld world(walk);
    Player hero;
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(crossroads); }));
    EXPECT_EQ(loop.DeepestWaiting(), 2u);
    const std::string out = world.Output();
    for (const std::string said : {"You walk back towards the village.\n", "You head back to town.\n",
                                   "Head Worker:\nOk, bye.\n", "Ok, bye!\n", "You walk back to the little village.\n"}) {
        std::size_t times = 0;
        for (std::size_t at = 0; (at = out.find(said, at)) != std::string::npos; ++at) ++times;
        EXPECT_EQ(times, 500u) << said;
    }
}

}  // namespace
}  // namespace vaskarn
