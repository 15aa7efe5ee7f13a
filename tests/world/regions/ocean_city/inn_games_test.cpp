#include "world/regions/ocean_city/inn_games.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <streambuf>
#include <string>
#include <tuple>

#include "core/services.h"
#include "model/player.h"
#include "support/held_keys.h"
#include "support/visit.h"

// The games through a pipe, where every key is there at the first look, are
// transcripts (ocean_city_inn_*); here the keys come after scripted looks.
namespace vaskarn {
namespace {

using testing::HeldKeys;
using testing::kPause;
using testing::TestWorld;

// Held keys that note a look taken outside single-key mode, where a
// terminal would show no key before Enter.
struct ModalKeys : HeldKeys {
    bool Arrived(std::streambuf& held) override {
        lookedInLineMode |= !on;
        return HeldKeys::Arrived(held);
    }
    void SingleKeys(bool mode) override {
        on = mode;
        HeldKeys::SingleKeys(mode);
    }
    bool on = false;
    bool lookedInLineMode = false;
};

// Plays a game to its end, which must hand control back to the inn, with
// the key seen after `idles` looks; returns what followed the rules.
std::string Play(TestWorld& world, Player& hero, Screen game, int idles) {
    ModalKeys keys;
    keys.idles = {idles};
    io().UseKeys(&keys);
    EXPECT_FALSE(world.EndsGame([&] { RunScreens(&hero, game); }));
    EXPECT_EQ(std::tuple(keys.ons, keys.offs, keys.lookedInLineMode), std::tuple(1, 1, false));
    const std::string out = world.Output();
    const std::string rulesEnd = "Good Luck!\n\n" + kPause;
    return out.substr(out.find(rulesEnd) + rulesEnd.size());
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The target runs 1 up to 2000, down to -2000, up again; the line the key is
// seen on is the hit. A win pays the hit's multiple on top of the bet.
TEST(InnGamesTest, DartsHitsTheTargetOnTheLineWhereTheKeyIsSeen) {
    const struct {
        int idles, gold, bet;
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
        TestWorld world("\n" + std::to_string(c.bet) + "\nkk\n");
        Player hero;
        hero.SetGold(c.gold);
        const std::string out = Play(world, hero, playdarts, c.idles);
        EXPECT_EQ(out.rfind("\nEnter in your bet.\n>\n\nPress any key when you are ready\n\n\nTarget: 1\n", 0), 0u);
        EXPECT_EQ(Count(out, "Target: "), c.idles + 2) << c.result;  // and "Your Target: "
        EXPECT_EQ(out.substr(out.rfind("\n\n\nYou ") + 3), c.result + "\n" + kPause);
        EXPECT_EQ(hero.GetGold(), c.goldAfter) << c.result;
    }
}

// The capacity is 10000 + a mod 500 - b mod 500, moved by (c mod 200) /
// (d mod 20), not at all when d mod 20 is 0. The filling stops at the key
// or when it has gone past the capacity.
TEST(InnGamesTest, TheBalloonWinsFrom2000GallonsUpToItsCapacity) {
    const struct {
        std::initializer_list<std::uint32_t> draws;
        int idles, stoppedAt;
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
        TestWorld world("\nkk\n");
        world.scripted.Push(c.draws);
        Player hero;
        hero.SetGold(0);
        const std::string out = Play(world, hero, fillupwaterintoballoon, c.idles);
        const std::string last = "Gallons Filled Into Balloon: " + std::to_string(c.stoppedAt) + "\n\n\n\n";
        EXPECT_EQ(out.substr(out.rfind("Gallons Filled")), last + c.result + kPause);
        EXPECT_EQ(Count(out, "Gallons Filled"), c.stoppedAt + 1);
        EXPECT_EQ(hero.GetGold(), c.gold);
        EXPECT_EQ(world.scripted.seeds, 1);
    }
}

// A fight lost by death (the poison kills him before he acts) or by flight
// costs nothing: the hero is made whole and the contest is over.
TEST(InnGamesTest, ALostContestFightRestoresTheHeroAndEndsTheContest) {
    for (const bool poisoned : {false, true}) {
        TestWorld world(poisoned ? "\n\n\n\n\n\n" : "\n\n\n\n7\n\n");
        Player hero;
        hero.SetGold(100);
        hero.SetHP(1);
        hero.SetMP(0);
        hero.SetPoisoned(poisoned);
        EXPECT_FALSE(world.EndsGame([&] { RunScreens(&hero, joincontest); }));
        EXPECT_EQ(std::tuple(hero.GetHP(), hero.GetMP(), hero.IsPoisoned(), hero.GetGold()),
                  std::tuple(hero.GetMaxHP(), hero.GetMaxMP(), false, 100));
        EXPECT_FALSE(testing::Has(world.Output(), "You won battle"));
        EXPECT_FALSE(Holds(hero.GetInventory(), "Shiny Gold Trophy"));
    }
}

}  // namespace
}  // namespace vaskarn
