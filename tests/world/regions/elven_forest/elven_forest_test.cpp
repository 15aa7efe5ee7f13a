#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/elven_forest/elven_forest.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";

std::string Play(Player& hero, const std::string& input, bool pathOpen = false) {
    TestWorld world(input);
    world.state.hasitem = pathOpen;
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(elven_forest); }));  // where the input ends
    return world.Output();
}

void AddItem(Player& hero, const char* name) {
    Inventory item;
    item.CreateItem(name, 0);
    hero.AddItem(&item);
}

// Draws are 0: a retreat gets away, and a first blow fells a hero of 15 HP.
// Either way the god's defeat is a death, and the hero is back in the
// middle of the forest.
TEST(ElvenForestTest, EveryDefeatByTheGodIsADeath) {
    const std::string toTheGod = "\n3\n\n\n2\n\n\n";
    const struct {
        const char* keys;
        bool weak;
        const char* words;
    } cases[] = {
        {"7\n\n\n", false, "without being harmed.\n"},
        {"1\n\n\n\n\n", true, "You have been slain.\n"},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(30);
        hero.SetGroupName("Legion");
        hero.SetGold(1001);
        hero.SetMaxHP(300);
        hero.SetHP(c.weak ? 15 : 250);
        const std::string out = Play(hero, toTheGod + c.keys, true);
        EXPECT_NE(out.find(c.words + P + "The Ancient Elven God has killed you...\n" + P +
                           "You stand in the middle of the Elven Forest."),
                  std::string::npos)
            << c.keys;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetForest2()), std::tuple(500, 300, false));
    }
}

// The workers' second line follows what the hero carries. With the grass,
// the button and the potion it is the trade, which a full inventory turns
// away before any gold is taken; without them, the guard's reason.
TEST(ElvenForestTest, TheWorkersSecondLineFollowsWhatTheHeroCarries) {
    const struct {
        bool carries;
        const char* line;
        const char* answer;
    } cases[] = {
        {true, "2. I have the items that you told me to get for the Balsa Wood\n",
         "You don't have enough room in your inventory to store any more items.\n"},
        {false, "2. Why did the guard block my way to the path?\n",
         "Woodchopper:\nThe guard lets no one pass who does not carry the item that\n"},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGold(10000);
        if (c.carries) {
            AddItem(hero, "Grass");
            AddItem(hero, "Blank Carved Button");
            Potion frog;
            frog.CreatePotion("Frog Mana Potion", 0, 400, 32);
            hero.AddPotion(&frog);
        }
        while (LowestFree(hero.GetInventory())) AddItem(hero, "Log");
        const std::string out = Play(hero, "\n4\n\n2\n");
        EXPECT_NE(out.find(std::string("1. Why are you chopping wood?\n") + c.line + "3. Is this your job?\n"),
                  std::string::npos);
        EXPECT_NE(out.find(std::string(">\n\n") + c.answer), std::string::npos) << c.line;
        EXPECT_EQ(hero.GetGold(), 10000);
        EXPECT_FALSE(Holds(hero.GetInventory(), "Balsa Wood"));
    }
}

}  // namespace
}  // namespace vaskarn
