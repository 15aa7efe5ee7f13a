#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "frontend/stats.h"
#include "model/player.h"
#include "support/test_world.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// The numbers of the menu lines the crossroads lists, in order.
std::vector<int> ListedEntries(const std::string& output) {
    const std::string heading = "Where do you want to go?\n\n";
    std::size_t at = output.find(heading);
    if (at == std::string::npos) return {};
    std::istringstream lines(output.substr(at + heading.size()));
    std::vector<int> numbers;
    std::string line;
    while (std::getline(lines, line) && !line.empty() && line[0] != '>')
        numbers.push_back(std::stoi(line));
    return numbers;
}

// Runs the crossroads once with `choice` typed at its prompt; returns what
// it wrote after the prompt.
std::string Choose(TestWorld& world, Player& hero, const std::string& choice, Transition* moved = nullptr) {
    world.SetInput("\n" + choice + "\n\n\n");  // Enter for any pauses
    world.TakeOutput();
    const Transition next = crossroads(&hero);
    if (moved) *moved = next;
    const std::string output = world.TakeOutput();
    return output.substr(output.find('>') + 1);
}

std::vector<int> Listed(Player& hero) {
    TestWorld world("\n0\n");
    crossroads(&hero);
    return ListedEntries(world.Output());
}

TEST(CrossroadsTest, NewHeroSeesTheAlwaysOpenEntriesOnly) {
    Player hero;
    EXPECT_EQ(Listed(hero), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 11}));
    hero.SetGrasslands(true);
    EXPECT_EQ(Listed(hero), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(CrossroadsTest, LateEntriesFollowTheQuestChainAndVanishOnceEarned) {
    struct Case {
        const char* what;
        void (*set)(Player&);
        std::vector<int> late;  // entries above 11
    };
    const Case cases[] = {
        {"ocean city, forest, meadow",
         [](Player& h) { h.SetOceanCity(true), h.SetForest(true), h.SetMeadow(true); }, {12}},
        {"forest2", [](Player& h) { h.SetForest2(true); }, {13}},
        {"swamp", [](Player& h) { h.SetSwamp(true); }, {14}},
        {"heaven", [](Player& h) { h.SetHeaven(true); }, {15}},
        {"heaven and graveyard", [](Player& h) { h.SetHeaven(true), h.SetGraveyard(true); }, {16}},
        {"graveyard and mountain", [](Player& h) { h.SetGraveyard(true), h.SetMountain(true); }, {17}},
        {"mountain and hell fire", [](Player& h) { h.SetMountain(true), h.SetHellFire(true); }, {18}},
        {"hell fire and rune king", [](Player& h) { h.SetHellFire(true), h.SetRuneKing(true); }, {19}},
        {"rune king and peace", [](Player& h) { h.SetRuneKing(true), h.SetPeace(true); }, {20}},
        {"peace and king", [](Player& h) { h.SetPeace(true), h.SetKing(true); }, {21}},
    };
    for (const Case& c : cases) {
        Player hero;
        c.set(hero);
        std::vector<int> late;
        for (int n : Listed(hero))
            if (n > 11) late.push_back(n);
        EXPECT_EQ(late, c.late) << c.what;
    }
}

TEST(CrossroadsTest, ElvenForestIsEnteredUnderOtherFlagsThanItIsListed) {
    TestWorld world;
    Player hero;
    hero.SetOceanCity(true);
    hero.SetMeadow(true);  // forest not done: not listed, yet open
    EXPECT_EQ(Listed(hero), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 11}));
    EXPECT_NE(Choose(world, hero, "12").find("Elven workers"), std::string::npos);

    Player other;
    other.SetOceanCity(true);
    other.SetForest(true);  // listed needs meadow too; entering needs forest2 or meadow
    EXPECT_EQ(Choose(world, other, "12"), "\n\n");
    other.SetForest2(true);
    EXPECT_NE(Choose(world, other, "12").find("Elven workers"), std::string::npos);
}

TEST(CrossroadsTest, UnlistedOrUnknownChoicesComeBackQuietly) {
    TestWorld world;
    Player hero;
    Transition moved;
    // 8 before the grasslands: one empty line.
    EXPECT_EQ(Choose(world, hero, "8", &moved), "\n\n\n");
    EXPECT_EQ(moved.kind, Transition::Kind::Stay);
    // Any other closed entry: nothing.
    EXPECT_EQ(Choose(world, hero, "19"), "\n\n");
    for (const char* outside : {"0", "-4", "22", "x", "99999999999"}) {
        EXPECT_EQ(Choose(world, hero, outside, &moved), "\n\n\n") << outside;
        EXPECT_EQ(moved.kind, Transition::Kind::Stay);
    }
}

TEST(CrossroadsTest, EntriesLeadToTheirPlaces) {
    TestWorld world;
    Player hero;
    hero.SetName("Ayla");
    hero.SetGroupName("Knave");
    Transition moved;
    Choose(world, hero, "3", &moved);
    EXPECT_EQ(moved.kind, Transition::Kind::Open);
    EXPECT_EQ(moved.target, &stats);

    const std::string grass = Choose(world, hero, "7");
    EXPECT_NE(grass.find("So go into the great grasslands, Ayla the Knave,\nfor the world needs you!\n"
                         "\nPress the Enter key to continue\n\n"),
              std::string::npos);
    EXPECT_EQ(Choose(world, hero, "4"), "\n\n\n\n");
    EXPECT_EQ(Choose(world, hero, "6"), "\n\n\n\n\n\n");

    world.SetInput("\n10\n");
    EXPECT_TRUE(world.EndsGame([&] { crossroads(&hero); }));
    EXPECT_NE(world.Output().find("Thanks for playing Vaskarn"), std::string::npos);
    EXPECT_FALSE(world.ReadFile("Player.dll"));  // leaving saves nothing
}

TEST(CrossroadsTest, CeremonyAndCrowningSetTheirFlags) {
    TestWorld world;
    Player hero;
    hero.SetName("Ayla");
    hero.SetGroupName("Knight");
    hero.SetRuneKing(true);
    world.SetInput("\n19\n\n\n\n");
    world.TakeOutput();
    EXPECT_EQ(crossroads(&hero).kind, Transition::Kind::Stay);
    EXPECT_TRUE(hero.GetPeace());
    const std::string ceremony = world.TakeOutput();
    EXPECT_NE(ceremony.find("Forever, and ever...\n\nPress the Enter key to continue\n\n"
                            "Peace Quest Complete!!!\n\nPress the Enter key to continue\n\n"),
              std::string::npos);

    world.SetInput("\n20\n\n\n\n");
    EXPECT_EQ(crossroads(&hero).kind, Transition::Kind::Stay);
    EXPECT_TRUE(hero.GetKing());
    const std::string crowning = world.TakeOutput();
    const std::string expected =
        ">\n\n"
        "The people gather here today, to crown Ayla\n"
        "the Knight, King, of this village, and\n"
        "of all the other villages in the world. You are now, also\n"
        "King of Kharim, and as well, you are now known all across\n"
        "the world.\n"
        "\nPress the Enter key to continue\n\n"
        "The people are chanting, King Ayla, King\n"
        "Ayla! May he rule in peace!!! Hurray!!!\n"
        "\nPress the Enter key to continue\n\n"
        "King Quest Complete!!!\n"
        "And Congratulations! You are now King!!!\n"
        "\nPress the Enter key to continue\n\n";
    EXPECT_EQ(crowning.substr(crowning.find('>')), expected);
}

TEST(CrossroadsTest, ClaimingThePrizeSavesAndEndsTheGame) {
    TestWorld world("\n21\n\n\n\n");
    Player hero;
    hero.SetName("Ayla");
    hero.SetKing(true);
    EXPECT_TRUE(world.EndsGame([&] { crossroads(&hero); }));
    const std::string out = world.Output();
    EXPECT_NE(out.find(std::string(9, '\n') + "Congratulations! You have now won Vaskarn, the\n"), std::string::npos);
    EXPECT_NE(out.find("Well, Goodbye Ayla, and may peace be\nwith you!\n\nPress the Enter key to continue\n\n"),
              std::string::npos);
    EXPECT_EQ(out.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(world.ReadFile("Player.dll"));
}

TEST(CrossroadsTest, AFailedFinalSaveIsReported) {
    TestWorld world("\n21\n\n\n\n");
    std::filesystem::create_directory(world.Dir() / "Player.dll.tmp");
    Player hero;
    hero.SetKing(true);
    EXPECT_TRUE(world.EndsGame([&] { crossroads(&hero); }));
    EXPECT_NE(world.Output().find("with you!\n\nPress the Enter key to continue\n\nThe game could not be saved.\n"),
              std::string::npos);
    EXPECT_FALSE(world.ReadFile("Player.dll"));
}

}  // namespace
}  // namespace vaskarn
