#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/blacksmith.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";

std::string Visit(Player& hero, const std::string& input) {
    TestWorld world("\n" + input);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, blacksmith); }));
    return world.Output();
}

TEST(BlacksmithTest, EachClassSeesItsOwnWeapons) {
    const struct {
        int group;
        const char* first;
        const char* last;
    } cases[] = {
        {1, "Bronze Sword - Price: 30\n Atk Power: 4\n", "Sword Of The Gods - Price: 150000\n Atk Power: 74\n"},
        {2, "Magic Staff - Price: 15\n Atk Power: 2\n", "Crystallite Staff - Price: 80000\n Atk Power: 50\n"},
        {3, "Wood Knife - Price: 30\n Atk Power: 3\n", "Magic Longsword - Price: 100000\n Atk Power: 60\n"},
        {4, "Sharp Dagger - Price: 200\n Atk Power: 8\n", "Runite Blade - Price: 150000\n Atk Power: 70\n"},
        {5, "Guard's Dagger - Price: 50\n Atk Power: 5\n", "Guilded Longsword - Price: 180000\n Atk Power: 80\n"},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGroup(c.group);
        const std::string out = Visit(hero, "");
        EXPECT_NE(out.find(P + "1:\n" + c.first + "\n2:\n"), std::string::npos) << c.group;
        EXPECT_NE(out.find("10:\n" + std::string(c.last) + "\n\n0. Cancel\n>"), std::string::npos) << c.group;
    }
}

// A cheaper weapon replaces a better one, whole.
TEST(BlacksmithTest, BuyingReplacesTheWeapon) {
    Player hero;
    hero.SetGroup(2);
    hero.SetGold(165);
    const std::string out = Visit(hero, "2\n\n1\n\n");
    EXPECT_NE(out.find(">Congratulations! You bought Air Staff!\n" + P + "1:\n"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), std::string(hero.GetWeapon()->GetName()), hero.GetWeapon()->GetDamage(),
                         hero.GetWeapon()->GetPrice()),
              std::tuple(0, std::string("Magic Staff"), 2, 15));
}

}  // namespace
}  // namespace vaskarn
