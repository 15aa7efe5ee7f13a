#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/elven_forest/elven_forest.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;

// Draws are 0: a retreat gets away, and a first blow fells a hero of 15 HP.
// Either way the god's defeat is a death, and the hero is back in the
// middle of the forest.
TEST(ElvenForestTest, EveryDefeatByTheGodIsADeath) {
    for (const bool weak : {false, true}) {
        testing::TestWorld world("\n3\n\n\n2\n\n\n" + std::string(weak ? "1\n\n\n\n\n" : "7\n\n\n"));
        world.state.hasitem = true;  // the path is open
        Player hero;
        hero.SetLevel(30);
        hero.SetGroupName("Legion");
        hero.SetGold(1001);
        hero.SetMaxHP(300);
        hero.SetHP(weak ? 15 : 250);
        const std::string out = testing::Visit(world, hero, elven_forest);
        EXPECT_TRUE(Has(out, (weak ? "You have been slain.\n" : "without being harmed.\n") + kPause +
                                 "The Ancient Elven God has killed you...\n" + kPause +
                                 "You stand in the middle of the Elven Forest."))
            << weak;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetForest2()), std::tuple(500, 300, false));
    }
}

// The workers' second line follows what the hero carries. With the grass,
// the button and the potion it is the trade, which a full inventory turns
// away before any gold is taken; without them, the guard's reason.
TEST(ElvenForestTest, TheWorkersSecondLineFollowsWhatTheHeroCarries) {
    for (const bool carries : {true, false}) {
        Player hero;
        hero.SetGold(10000);
        if (carries) {
            testing::Give(hero, "Grass");
            testing::Give(hero, "Blank Carved Button");
            Potion frog;
            frog.CreatePotion("Frog Mana Potion", 0, 400, 32);
            hero.AddPotion(&frog);
        }
        while (LowestFree(hero.GetInventory())) testing::Give(hero, "Log");
        const std::string out = testing::Visit(hero, elven_forest, "\n4\n\n2\n");
        EXPECT_TRUE(Has(out, carries ? "2. I have the items that you told me to get for the Balsa Wood\n3. Is"
                                     : "2. Why did the guard block my way to the path?\n3. Is"));
        EXPECT_TRUE(Has(out, carries
                                 ? ">\n\nYou don't have enough room in your inventory to store any more items.\n"
                                 : ">\n\nWoodchopper:\nThe guard lets no one pass who does not carry the item that\n"))
            << carries;
        EXPECT_EQ(hero.GetGold(), 10000);
        EXPECT_FALSE(Holds(hero.GetInventory(), "Balsa Wood"));
    }
}

}  // namespace
}  // namespace vaskarn
