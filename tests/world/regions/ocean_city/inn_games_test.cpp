#include "world/regions/ocean_city/inn_games.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/services.h"
#include "model/player.h"
#include "support/held_keys.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::HeldKeys;
using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";

// Plays a game to its end, which must hand control back to its opener.
void Play(TestWorld& world, Player& hero, Screen game) {
    EXPECT_FALSE(world.EndsGame([&] { RunScreens(&hero, game); }));
}

// What a game wrote after its rules and their pause.
std::string AfterRules(const std::string& out) {
    const std::string end = "Good Luck!\n\n" + P;
    const std::size_t at = out.find(end);
    return at == std::string::npos ? out : out.substr(at + end.size());
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The target runs 1 up to 2000, down to -2000, up again; the key is seen
// after `idles` lines, and the line it is seen on is the hit. A win pays the
// hit's multiple on top of the bet, a loss takes the bet.
TEST(InnGamesTest, DartsHitsTheTargetOnTheLineWhereTheKeyIsSeen) {
    const struct {
        int idles;
        int gold;
        int bet;
        std::string result;
        int goldAfter;
    } cases[] = {
        {9, 7, 7, "You Won!\nYour Target: 10\nYou get 56 gold.\n", 63},
        {7999, 7, 7, "You Won!\nYour Target: 0\nYou get 70 gold.\n", 77},
        {49, 7, 7, "You Won!\nYour Target: 50\nYou get 7 gold.\n", 14},
        {2000, 10, 3, "You Lost!\nYour Target: 1999\nYou lose 3 gold.\n", 7},
        {6000, 10, 3, "You Lost!\nYour Target: -1999\nYou lose 3 gold.\n", 7},
        {7999, INT_MAX, INT_MAX, "You Won!\nYour Target: 0\nYou get 2147483647 gold.\n", INT_MAX},
    };
    for (const auto& c : cases) {
        HeldKeys keys;
        keys.idles = {c.idles};
        TestWorld world("\n" + std::to_string(c.bet) + "\nkk\n");
        io().UseKeys(&keys);
        Player hero;
        hero.SetGold(c.gold);
        Play(world, hero, playdarts);
        const std::string out = AfterRules(world.Output());
        EXPECT_TRUE(StartsWith(out, "\nEnter in your bet.\n>\n\nPress any key when you are ready\n\n\nTarget: 1\n"));
        EXPECT_EQ(Count(out, "Target: "), c.idles + 2) << c.result;  // and "Your Target: "
        EXPECT_TRUE(EndsWith(out, "\n\n\n" + c.result + "\n" + P)) << c.result;
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.result;
        EXPECT_EQ(std::pair(keys.ons, keys.offs), std::pair(1, 1));
    }
}

// The capacity is 10000 + a mod 500 - b mod 500, moved by (c mod 200) /
// (d mod 20), not at all when d mod 20 is 0. The filling stops at the key
// or when it has gone past the capacity.
TEST(InnGamesTest, TheBalloonWinsFrom2000GallonsUpToItsCapacity) {
    const struct {
        std::initializer_list<std::uint32_t> draws;
        int idles;
        int stoppedAt;
        std::string result;
        int gold;
    } cases[] = {
        {{620, 20, 150, 40}, 1999, 1999,
         "\nYou Lost!\nYou did not go over 2000 gallons.\nThe maximum capacity was: 10100\n", 0},
        {{620, 20, 150, 40}, 2000, 2000,
         "Congratulations! You won!\nGold Earned: 1330\nThe maximum capacity was: 10100\n", 1330},
        {{0, 499, 99, 10}, 9492, 9492,
         "Congratulations! You won!\nGold Earned: 6320\nThe maximum capacity was: 9492\n", 6320},
        {{0, 499, 99, 10}, 9493, 9493, "\nYou Lost!\nThe maximum capacity was: 9492\n", 0},
        {{120, 20, 150, 4}, 20000, 10138, "\nYou Lost!\nThe maximum capacity was: 10137\n", 0},  // it breaks
    };
    for (const auto& c : cases) {
        HeldKeys keys;
        keys.idles = {c.idles};
        TestWorld world("\nkk\n");
        world.scripted.Push(c.draws);
        io().UseKeys(&keys);
        Player hero;
        hero.SetGold(0);
        Play(world, hero, fillupwaterintoballoon);
        const std::string out = AfterRules(world.Output());
        EXPECT_TRUE(StartsWith(out,
                               "Ready? Press any key when you are, and hold it to start filling up the ballons.\n\n\n"
                               "Gallons Filled Into Balloon: 0\n"));
        const std::string last = "Gallons Filled Into Balloon: " + std::to_string(c.stoppedAt) + "\n";
        EXPECT_TRUE(EndsWith(out, last + "\n\n\n" + c.result + P)) << c.result;
        EXPECT_EQ(Count(out, "Gallons Filled"), c.stoppedAt + 1);
        EXPECT_EQ(hero.GetGold(), c.gold);
        EXPECT_EQ(world.scripted.seeds, 1);
    }
}

TEST(InnGamesTest, TheHorseGameIsLostWhenTenBulletsMiss) {
    TestWorld world("\nk\n0\n" + [] {
        std::string shots;
        for (int i = 0; i < 10; ++i) shots += "100\n\n";
        return shots + "\n";
    }());
    world.scripted.Push({41});  // the horse stands at 42
    Player hero;
    hero.SetGold(5);
    Play(world, hero, shootthehorsegame);
    const std::string out = AfterRules(world.Output());
    EXPECT_EQ(Count(out, "Enter in a target from 1 - 100.\n>\n\n\n"), 11);  // 0 costs no bullet
    EXPECT_EQ(Count(out, "You missed the horse.\nYour aim was too high.\n\n"), 10);
    EXPECT_TRUE(EndsWith(out, "You have 0 bullets left.\n" + P + "You Lost!\nBetter luck next time...\n" + P));
    EXPECT_EQ(hero.GetGold(), 5);
}

// Each fight: the weapon's pause, the attack, its pause, the kill's pause,
// the win's pause, the contest's pause, then a key.
std::string ContestWon() {
    std::string input = "\n\n\n";
    for (int fight = 0; fight < 5; ++fight) input += "\n1\n\n\n\n\nk";
    return input + "\n";
}

TEST(InnGamesTest, FiveWonFightsBringTheGoldAndTheTrophy) {
    TestWorld world(ContestWon());
    Player hero;
    hero.SetName("Bran");
    hero.SetLevel(51);  // no title and no level to gain on the way
    hero.SetAttack(100000);
    hero.SetGold(100);
    Play(world, hero, joincontest);
    const std::string out = world.Output();
    EXPECT_NE(out.find("You won battle 1 of 5!\n\n" + P +
                       "Preparing for the next battle...\n"
                       "Press any key when you're ready to battle the next opponent.\n\n\n"
                       "You hold up your"),
              std::string::npos);
    EXPECT_NE(out.find("You killed the Wielder Of Power.\nYou gain 6000 XP and 20000 gold.\n"), std::string::npos);
    EXPECT_TRUE(EndsWith(out,
                         "You won battle 5 of 5!\n\n" + P +
                             "Preparing for the next battle...\n"
                             "Press any key when you're ready to battle the next opponent.\n\n\n"
                             "\n\nAnnouncer:\nWell, folks, it seems like we have our winner!\n"
                             "Here is your prize, Bran.\n\n\n"
                             "The announcer gives you 50,000 gold, and then, you walk over to the House\n"
                             "Of The Elders. They give you a shiny gold trophy that stands 5 feet\n"
                             "tall.\n\n\n\n" +
                             P));
    EXPECT_EQ(hero.GetGold(), 100 + 2000 + 5000 + 6000 + 10000 + 20000 + 50000);
    const Inventory* trophy = FindByName(hero.GetInventory(), "Shiny Gold Trophy");
    ASSERT_NE(trophy, nullptr);
    EXPECT_EQ(trophy->GetPrice(), 20000);
}

// A fight lost by death or by flight costs nothing: the hero is made whole
// and the contest is over.
TEST(InnGamesTest, ALostContestFightRestoresTheHeroAndEndsTheContest) {
    const struct {
        std::string fight;
        bool poisoned;
    } cases[] = {
        {"\n7\n\n", false},  // flees (roll 0)
        {"\n\n\n", true},    // the poison kills him before he acts
    };
    for (const auto& c : cases) {
        TestWorld world("\n\n\n" + c.fight);
        Player hero;
        hero.SetGold(100);
        hero.SetHP(1);
        hero.SetMP(0);
        hero.SetPoisoned(c.poisoned);
        Play(world, hero, joincontest);
        EXPECT_EQ(hero.GetHP(), hero.GetMaxHP());
        EXPECT_EQ(hero.GetMP(), hero.GetMaxMP());
        EXPECT_FALSE(hero.IsPoisoned());
        EXPECT_EQ(hero.GetGold(), 100);
        EXPECT_EQ(world.Output().find("You won battle"), std::string::npos);
        EXPECT_FALSE(Holds(hero.GetInventory(), "Shiny Gold Trophy"));
    }
}

}  // namespace
}  // namespace vaskarn
