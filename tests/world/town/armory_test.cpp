#include <gtest/gtest.h>

#include <string>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/armory.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kQuestion =
    "What kind of armor would you like to buy?\n\n1. Helms\n2. Platebodies\n3. Platelegs\n4. Shields\n"
    "5. Capes\n6. Rare Helms\n7. Back To Town\n>";

// Runs the armory on its own (as the town opens it) until the input ends;
// returns what was written after the first question.
std::string Shop(Player& hero, const std::string& input) {
    TestWorld world("\n" + input);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, armory); }));
    const std::string out = world.Output();
    return out.substr(out.find(kQuestion) + kQuestion.size());
}

// One list of each kind, each from another class's column, and where each
// list ends: the entry after the last one shown is a number the shop does
// not sell, and a padding spot is never shown.
TEST(ArmoryTest, EachClassSeesItsOwnPieces) {
    const struct {
        int group;
        const char* key;
        const char* row;
        const char* last;
    } cases[] = {
        {1, "1", "1. Soft Leather Helm:\n Price: 10\n Defense: 2\n\n", "15. Beloth's Helmet:"},
        {4, "1", "8. Master Thief's Hood:\n Price: 12000\n Defense: 50\n\n\n0. Cancel\n", "8. Master"},
        {2, "2", "12. Belroth's Robes Top:\n Price: 90000\n Defense: 85\n\n\n0. Cancel\n", "12. Belroth's"},
        {3, "3", "9. Gold Dragonhide Body:\n Price: 85000\n Defense: 85\n\n", "10. Guided Dragonhide Body"},
        {5, "4", "6. Runite Shield:\n Price: 40000\n Defense: 60\n\n\n0. Cancel\n", "6. Runite"},
        {3, "5", "12. Golden Cape:\n Price: 1000\n Defense: 44\n\n\n0. Cancel\n", "12. Golden"},
        {9, "1", "1. Soft Leather Helm:\n", "15. Beloth's"},  // a damaged class number shops as a Warrior
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGroup(c.group);
        const std::string list = Shop(hero, std::string(c.key) + "\n");
        EXPECT_NE(list.find(c.row), std::string::npos) << c.group << "/" << c.key << "\n" << list;
        const std::size_t last = list.find(c.last);
        EXPECT_NE(last, std::string::npos) << c.group << "/" << c.key;
        EXPECT_EQ(list.find("\n\n\n0. Cancel\n>"), list.find("\n\n", last)) << c.group << "/" << c.key;
        EXPECT_EQ(list.find("Empty Spot"), std::string::npos);
    }
}

// A Thief's ninth helm is a padding spot: an empty line, though it costs
// nothing. Archers and thieves are refused shields as mages are.
TEST(ArmoryTest, PaddingSpotsAndMissingShieldsSellNothing) {
    Player hero;
    hero.SetGroup(4);
    hero.SetGold(0);
    EXPECT_NE(Shop(hero, "1\n9\n").find("\n0. Cancel\n>\n\n\n1. Hood:"), std::string::npos);
    EXPECT_EQ(hero.GetHelm()->GetName(), "");
    for (const auto& [group, name] : {std::pair(3, "archer"), std::pair(4, "thief")}) {
        hero.SetGroup(group);
        EXPECT_TRUE(Shop(hero, "4\n").starts_with(std::string("\n\n\nThere are no shields available for the ") + name))
            << name;
    }
}

}  // namespace
}  // namespace vaskarn
