#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/heaven/heaven.h"
#include "world/regions/late_heroes.h"

namespace vaskarn {
namespace {

using testing::kPause;
using testing::Pauses;
using testing::TestWorld;

void Give(Player& hero, std::string_view name, int count = 1) {
    Inventory item;
    item.CreateItem(name, 0);
    for (int i = 0; i < count; ++i) hero.AddItem(&item);
}

void Bless(Player& hero) {
    Blessings blessing;
    blessing.CreateBlessing("The Blessing Of The Fish", 5000);
    hero.AddBlessing(&blessing);
}

std::vector<std::string> Items(const Player& hero) {
    std::vector<std::string> names;
    for (const auto& item : hero.GetInventory())
        if (item) names.emplace_back(item->GetName());
    return names;
}

std::string VisitTheLibrary(Player& hero) {
    TestWorld world("3\n" + Pauses(8));
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(heaven); }));
    return world.Output();
}

// 19 fish are one short, whatever else the hero brings; nothing is taken
// or given while a need is open.
TEST(LibraryTest, NineteenFishAreOneShort) {
    Player hero;
    hero.SetName("Ulric");
    Give(hero, "Piece Of Parchment");
    Give(hero, "Fish", 19);
    Give(hero, "Bloated Frog");
    Bless(hero);
    const std::string out = VisitTheLibrary(hero);
    EXPECT_NE(out.find("Professor:\nWelcome back, Ulric.\n"
                       "You have 19 fish.\n"
                       "Hmmm... you don't seem to have enough fish. You need 1 more.\n"
                       "Good, you got the Bloated Frog, just what I had asked for.\n"
                       "And you have The Blessing Of The Fish, the last thing I needed.\n" +
                       kPause +
                       "You do not have all the stuff I told you to get.\n"
                       "Come back when you do, and I will give you the reward.\n"),
              std::string::npos);
    EXPECT_EQ(Items(hero).size(), 21u);
    EXPECT_EQ(hero.GetGold(), 100);  // as every new hero starts
}

// A full inventory of fish around one frog: every fish and frog goes, and
// the sword still finds a place; the gold stops at its largest value.
TEST(LibraryTest, TheRewardTakesEveryFishAndFrogAndAlwaysFitsTheSword) {
    Player hero;
    hero.SetGold(INT_MAX - 5);
    Give(hero, "Piece Of Parchment");
    Give(hero, "Fish", 50);
    Give(hero, "Bloated Frog");
    Give(hero, "Fish", 48);
    Bless(hero);
    const std::string out = VisitTheLibrary(hero);
    EXPECT_NE(out.find("You get 70000 gold and the Gold Sword!\n" + kPause), std::string::npos);
    EXPECT_EQ(out.find("enough room"), std::string::npos);
    EXPECT_EQ(Items(hero), (std::vector<std::string>{"Piece Of Parchment", "Gold Sword"}));
    EXPECT_EQ(FindByName(hero.GetInventory(), "Gold Sword")->GetPrice(), 200000);
    EXPECT_EQ(hero.GetGold(), INT_MAX);
    EXPECT_TRUE(Holds(hero.GetBlessings(), "The Blessing Of The Fish"));
}

}  // namespace
}  // namespace vaskarn
