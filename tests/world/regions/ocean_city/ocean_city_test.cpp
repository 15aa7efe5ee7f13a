#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/ocean_city/ocean_city.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;
using testing::Visit;

// Draws are 0 unless scripted: a cave group of one Manta Ray, a retreat
// that gets away, and a first blow that fells a hero of 15 HP. Toa takes
// every defeat as a death; the cave only one below 1 HP, and a flight from
// it costs nothing. The cave's first draw is the group's size (2: three).
TEST(OceanCityTest, EachFightKeepsItsOwnLossRule) {
    const std::string toa = "\n4\n\n1\n\n\n";
    const std::string cave = "\n5\n1\n\n";
    const struct {
        std::string walk;
        std::initializer_list<std::uint32_t> draws;
        bool weak;
        std::string words;
        int gold, hp;
    } cases[] = {
        {toa + "7\n\n\n", {}, false, "without being harmed.\n" + kPause + "Toa has killed you...\n" + kPause, 500, 300},
        {toa + "1\n\n\n\n\n", {}, true, "You have been slain.\n" + kPause + "Toa has killed you...\n" + kPause, 500,
         300},
        {cave + "7\n\n", {2, 4, 1, 0}, false,
         "1. King Crab - 300/300 \n2. Shark - 220/220 \n3. Manta Ray - 75/75 \n", 1001, 250},
        {cave + "7\n\n", {}, false, "without being harmed.\n" + kPause, 1001, 250},
        {cave + "1\n\n\n\n\n", {}, true,
         "You have been slain.\n" + kPause + "The creatures of the cave have killed you...\n" + kPause, 500, 300},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(30);
        hero.SetGroupName("Legion");
        hero.SetGold(1001);
        hero.SetMaxHP(300);
        hero.SetHP(c.weak ? 15 : 250);
        const std::string out = Visit(hero, ocean_city, c.walk, c.draws);
        EXPECT_TRUE(Has(out, c.words)) << c.walk;
        EXPECT_NE(out.find(kPause + "What would you like to do?\n1.Walk Into The Inn \n", out.find("Retreat")),
                  std::string::npos)
            << c.walk;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetOceanCity()), std::tuple(c.gold, c.hp, false))
            << c.walk;
    }
}

// A full inventory turns the toy fish away before it is paid for.
TEST(OceanCityTest, NoToyFishIsSoldIntoAFullInventory) {
    Player hero;
    hero.SetGold(500);
    testing::Give(hero, "Fish", 100);
    const std::string out = Visit(hero, ocean_city, "\n2\n\n1\n\n");
    EXPECT_TRUE(Has(out, "2. Leave\n>\n\nYou don't have enough room in your inventory to store any more items.\n" +
                             kPause + "1. Buy A Toy Fish - Price: 500\n"));
    EXPECT_EQ(hero.GetGold(), 500);
    EXPECT_FALSE(Holds(hero.GetInventory(), "Toy Fish"));
}

}  // namespace
}  // namespace vaskarn
