#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/ocean_city/ocean_city.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kCityMenu = "What would you like to do?\n1.Walk Into The Inn \n";

std::string Play(Player& hero, Screen start, const std::string& input, const std::vector<std::uint32_t>& draws = {}) {
    TestWorld world(input);
    world.scripted.queue.assign(draws.begin(), draws.end());
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(start); }));  // where the input ends
    return world.Output();
}

void AddItem(Player& hero, const char* name) {
    Inventory item;
    item.CreateItem(name, 0);
    hero.AddItem(&item);
}

// Draws are 0 unless scripted: a cave group of one Manta Ray, a retreat
// that gets away, and a first blow that fells a hero of 15 HP. Toa takes
// every defeat as a death; the cave only one below 1 HP, and a flight from
// it costs nothing. The cave's first draw is the group's size (2: three).
TEST(OceanCityTest, EachFightKeepsItsOwnLossRule) {
    const std::string toa = "\n4\n\n1\n\n\n";
    const std::string cave = "\n5\n1\n\n";
    const struct {
        std::string walk;
        std::vector<std::uint32_t> draws;
        bool weak;
        std::string words;
        int gold;
        int hp;
    } cases[] = {
        {toa + "7\n\n\n", {}, false, "without being harmed.\n" + P + "Toa has killed you...\n" + P, 500, 300},
        {toa + "1\n\n\n\n\n", {}, true, "You have been slain.\n" + P + "Toa has killed you...\n" + P, 500, 300},
        {cave + "7\n\n", {2, 4, 1, 0}, false,
         "1. King Crab - 300/300 \n2. Shark - 220/220 \n3. Manta Ray - 75/75 \n", 1001, 250},
        {cave + "7\n\n", {}, false, "without being harmed.\n" + P, 1001, 250},
        {cave + "1\n\n\n\n\n", {}, true,
         "You have been slain.\n" + P + "The creatures of the cave have killed you...\n" + P, 500, 300},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(30);
        hero.SetGroupName("Legion");
        hero.SetGold(1001);
        hero.SetMaxHP(300);
        hero.SetHP(c.weak ? 15 : 250);
        const std::string out = Play(hero, ocean_city, c.walk, c.draws);
        EXPECT_NE(out.find(c.words), std::string::npos) << c.walk;
        EXPECT_NE(out.find(P + kCityMenu, out.find("Retreat")), std::string::npos) << c.walk;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetOceanCity()), std::tuple(c.gold, c.hp, false))
            << c.walk;
    }
}

// The tank starts with 60 fish. A catch of none costs 10 energy; the catch
// that empties the tank costs nothing and wins the gold and the blessing.
TEST(OceanCityTest, TheFishLabIsWonByTheCatchThatEmptiesTheTank) {
    Player hero;
    hero.SetMaxEnergy(130);
    hero.SetEnergy(130);
    hero.SetGold(7);
    std::string input = "\n3\n\n";
    for (int i = 0; i < 13; ++i) input += "1\n\n";
    input += "\n";
    const std::string out = Play(hero, ocean_city, input, {0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
    EXPECT_NE(out.find("You caught 0 fish!\n" + P + "There are 60 fish in the tank.\n"
                       "To catch a fish each time, you have to use up 10 energy.\n"
                       "Your energy right now: 120/130\n"),
              std::string::npos);
    EXPECT_NE(out.find("Your energy right now: 10/130\n\n1. Catch A Fish\n2. Refill Energy Gauge (3 left)\n"
                       "3. Stop Catching, And Leave The Lab\n>\n\nYou caught 5 fish!\n" +
                       P +
                       "Congratulations! You have caught all of the fish!\n"
                       "A machine nearby drops out 5000 gold, which you take.\n"
                       "Oh, and you just got The Blessing Of The Fish! Yay!\n" +
                       P + kCityMenu),
              std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetEnergy(), hero.GetGold()), std::tuple(10, 5007));
    const Blessings* blessing = FindByName(hero.GetBlessings(), "The Blessing Of The Fish");
    ASSERT_NE(blessing, nullptr);
    EXPECT_EQ(blessing->GetValue(), 5000);
}

// The contest is neither listed nor chosen once the trophy is won.
TEST(OceanCityTest, TheTrophyClosesTheContest) {
    Player hero;
    AddItem(hero, "Shiny Gold Trophy");
    const std::string menu = "\n1. Ask The Bartender For A Drink \n2. Play Darts \n3. Fill Up Some Water In A Balloon \n"
                             "4. Gamble With The People To Your Left \n5. Shoot The Horse (Game) \n7. Leave \n>";
    EXPECT_EQ(Play(hero, oceancityinn, "6\n"), menu + "\n\n" + menu);
}

// A full inventory turns the toy fish away before it is paid for.
TEST(OceanCityTest, NoToyFishIsSoldIntoAFullInventory) {
    Player hero;
    hero.SetGold(500);
    for (int i = 0; i < 100; ++i) AddItem(hero, "Fish");
    const std::string out = Play(hero, ocean_city, "\n2\n\n1\n\n");
    EXPECT_NE(out.find("2. Leave\n>\n\nYou don't have enough room in your inventory to store any more items.\n" + P +
                       "1. Buy A Toy Fish - Price: 500\n"),
              std::string::npos);
    EXPECT_EQ(hero.GetGold(), 500);
    EXPECT_FALSE(Holds(hero.GetInventory(), "Toy Fish"));
}

}  // namespace
}  // namespace vaskarn
