#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/player.h"
#include "world/regions/heaven/heaven.h"
#include "world/regions/late_heroes.h"

// The reward for all that was asked is the heaven_library_reward transcript.
namespace vaskarn {
namespace {

using testing::Give;
using testing::kPause;

// A hero with the parchment, the blessing of the fish and `fish` fish with a
// frog after the first `before` of them, at the library.
std::string VisitTheLibrary(Player& hero, int before, int after) {
    Give(hero, "Piece Of Parchment");
    Give(hero, "Fish", before);
    Give(hero, "Bloated Frog");
    Give(hero, "Fish", after);
    Blessings blessing;
    blessing.CreateBlessing("The Blessing Of The Fish", 5000);
    hero.AddBlessing(&blessing);
    return testing::Visit(hero, heaven, "3\n" + testing::Pauses(8));
}

std::vector<std::string> Items(const Player& hero) {
    std::vector<std::string> names;
    for (const auto& item : hero.GetInventory())
        if (item) names.emplace_back(item->GetName());
    return names;
}

// 19 fish are one short, whatever else the hero brings; nothing is taken
// or given while a need is open.
TEST(LibraryTest, NineteenFishAreOneShort) {
    Player hero;
    hero.SetName("Ulric");
    const std::string out = VisitTheLibrary(hero, 19, 0);
    EXPECT_TRUE(testing::Has(out,
                             "Professor:\nWelcome back, Ulric.\n"
                             "You have 19 fish.\n"
                             "Hmmm... you don't seem to have enough fish. You need 1 more.\n"
                             "Good, you got the Bloated Frog, just what I had asked for.\n"
                             "And you have The Blessing Of The Fish, the last thing I needed.\n" +
                                 kPause +
                                 "You do not have all the stuff I told you to get.\n"
                                 "Come back when you do, and I will give you the reward.\n"));
    EXPECT_EQ(Items(hero).size(), 21u);
    EXPECT_EQ(hero.GetGold(), 100);  // as every new hero starts
}

// A full inventory of fish around one frog: every fish and frog goes, and
// the sword still finds a place; the gold stops at its largest value.
TEST(LibraryTest, TheRewardTakesEveryFishAndFrogAndAlwaysFitsTheSword) {
    Player hero;
    hero.SetGold(INT_MAX - 5);
    const std::string out = VisitTheLibrary(hero, 50, 48);
    EXPECT_TRUE(testing::Has(out, "You get 70000 gold and the Gold Sword!\n" + kPause));
    EXPECT_FALSE(testing::Has(out, "enough room"));
    EXPECT_EQ(Items(hero), (std::vector<std::string>{"Piece Of Parchment", "Gold Sword"}));
    EXPECT_EQ(FindByName(hero.GetInventory(), "Gold Sword")->GetPrice(), 200000);
    EXPECT_EQ(hero.GetGold(), INT_MAX);
    EXPECT_TRUE(Holds(hero.GetBlessings(), "The Blessing Of The Fish"));
}

}  // namespace
}  // namespace vaskarn
