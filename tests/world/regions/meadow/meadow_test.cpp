#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/meadow/huts.h"
#include "world/regions/meadow/meadow.h"

// The grail, the knocks on the houses and the cake are the meadow_quest
// transcript; the fights lost, Ed's among them, meadow_losses.
namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;
using testing::Visit;

constexpr int kMaxInt = std::numeric_limits<int>::max();
const std::string kMeadow = "You stand in a wide, quiet meadow.";

// A done quest closes the trail even without the grail, the cake the
// houses; a choice that is not offered is ignored.
TEST(MeadowTest, TheTrailAndTheHousesCloseBehindTheirPrize) {
    for (const bool cake : {false, true}) {
        Player hero;
        hero.SetMeadow(!cake);
        if (cake) testing::Give(hero, "Chef's Cake");
        const std::string out = Visit(hero, meadow, cake ? "\n6\n" : "\n5\n");
        EXPECT_EQ(Has(out, "5.Keep Following The Trail To The North\n"), cake);
        EXPECT_EQ(Has(out, "6.Knock On The Doors Of The Houses\n"), !cake);
        EXPECT_TRUE(Has(out, "11.Back To Village\n>" + kMeadow)) << cake;
    }
}

// The Light Orb costs 1000: sold at 1000 gold, refused at 999.
TEST(HutsTest, TheLightOrbIsSoldForAThousandGold) {
    for (const int gold : {1000, 999}) {
        Player hero;
        hero.SetGold(gold);
        const std::string out = Visit(hero, huts, "2\n\n1\n1\n\n");
        const std::string answer = gold == 1000 ? "Thank you for your gold, I appreciate it very much.\n"
                                                : "Oh dear, I don't seem to have enough gold.\n";
        EXPECT_TRUE(Has(out, "1. Light Orb - Price: 1000\n\n0. Cancel\n>" + answer + kPause)) << gold;
        EXPECT_EQ(std::tuple(hero.GetGold(), Holds(hero.GetSpell(), "Light Orb")),
                  gold == 1000 ? std::tuple(0, true) : std::tuple(999, false));
    }
}

// Each dig adds 1 to 5 units; the pay is 30 gold a unit, and neither the mud
// nor the purse wraps.
TEST(HutsTest, MudIsPaidThirtyGoldAUnitWithoutWrapping) {
    const struct {
        int units, gold;
        std::uint32_t draw;
        int paid, after;
    } cases[] = {
        {0, 100, 2, 90, 190},
        {kMaxInt - 2, 0, 4, kMaxInt, kMaxInt},
        {1000, kMaxInt - 10, 0, 30030, kMaxInt},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGold(c.gold);
        const std::string out = Visit(hero, Screen(digmud, c.units), "1\n\n2\n\n", {c.draw});
        EXPECT_TRUE(Has(out, "The man pays you " + std::to_string(c.paid) + " gold for your work.\n" + kPause))
            << c.units;
        EXPECT_EQ(hero.GetGold(), c.after) << c.units;
    }
}

}  // namespace
}  // namespace vaskarn
