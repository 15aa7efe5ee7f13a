#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/armory.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
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

// A few rows per class and shop, and where each list ends: the entry after
// the last one shown is a number the shop does not sell.
TEST(ArmoryTest, EachClassSeesItsOwnPieces) {
    const struct {
        int group;
        const char* key;
        const char* row;
        const char* last;
    } cases[] = {
        {1, "1", "1. Soft Leather Helm:\n Price: 10\n Defense: 2\n\n", "15. Beloth's Helmet:"},
        {2, "1", "7. Sara'man Hat:\n Price: 2000\n Defense: 24\n\n", "15. Avatar's Hat:"},
        {4, "1", "8. Master Thief's Hood:\n Price: 12000\n Defense: 50\n\n\n0. Cancel\n", "8. Master"},
        {5, "1", "11. Eldmyrary Helm:\n Price: 50000\n Defense: 80\n\n\n0. Cancel\n", "11. Eldmyrary"},
        {2, "2", "12. Belroth's Robes Top:\n Price: 90000\n Defense: 85\n\n\n0. Cancel\n", "12. Belroth's"},
        {3, "2", "13. Guilded Dragonhide Body:\n Price: 175000\n Defense: 136\n\n", "13. Guilded"},
        {5, "2", "9. White Spirit's Robes:\n Price: 120000\n Defense: 100\n\n\n0. Cancel\n", "9. White"},
        {1, "3", "7. Adamant Platelegs:\n Price: 20000\n Defense: 74\n\n", "10. Louie's"},
        {3, "3", "9. Gold Dragonhide Body:\n Price: 85000\n Defense: 85\n\n", "10. Guided Dragonhide Body"},
        {4, "3", "9. Silver Moon Plateleegs:\n Price: 100000\n Defense: 90\n\n", "10. Crested"},
        {1, "4", "11. Eldmyr's Shield:\n Price: 75000\n Defense: 82\n\n\n0. Cancel\n", "11. Eldmyr's"},
        {5, "4", "6. Runite Shield:\n Price: 40000\n Defense: 60\n\n\n0. Cancel\n", "6. Runite"},
        {3, "5", "12. Golden Cape:\n Price: 1000\n Defense: 44\n\n\n0. Cancel\n", "12. Golden"},
        {4, "6", "\n\n1. Golden Helm\n Price: 90000\n Defense: 70\n\n", "8. Eldmyr's Helm\n"},
        {9, "1", "1. Soft Leather Helm:\n", "15. Beloth's"},  // a damaged class number shops as a Warrior
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetGroup(c.group);
        hero.SetGold(1'000'000);
        const std::string list = Shop(hero, std::string(c.key) + "\n");
        EXPECT_NE(list.find(c.row), std::string::npos) << c.group << "/" << c.key << "\n" << list;
        const std::size_t last = list.find(c.last);
        EXPECT_NE(last, std::string::npos) << c.group << "/" << c.key;
        EXPECT_EQ(list.find("\n\n\n0. Cancel\n>"), list.find("\n\n", last)) << c.group << "/" << c.key;
        EXPECT_EQ(list.find("Empty Spot"), std::string::npos);
    }
}

TEST(ArmoryTest, PurchasesRefusalsAndEmptyEntries) {
    Player hero;
    hero.SetGold(10);
    // Exactly the price buys; then 0 gold is not enough even for the same helm.
    std::string out = Shop(hero, "1\n1\n\n1\n\n");
    EXPECT_NE(out.find(">Congratulations! You bought the Soft Leather Helm!\n" + P + "\n\n1. Soft"), std::string::npos);
    EXPECT_NE(out.find(">You don't have enough money.\n" + P + "\n\n1. Soft"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), std::string(hero.GetHelm()->GetName()), hero.GetHelm()->GetProtection()),
              std::tuple(0, std::string("Soft Leather Helm"), 2));

    // A Thief's ninth helm is an empty spot: an empty line, even when it
    // costs nothing; so is a number past the list or a word.
    hero.SetGroup(4);
    for (const char* typed : {"9", "16", "-1", "x"}) {
        out = Shop(hero, std::string("1\n") + typed + "\n");
        EXPECT_NE(out.find("\n0. Cancel\n>\n\n\n1. Hood:"), std::string::npos) << typed;
    }

    // A rare helm replaces the helm bought before, and the reverse; buying a
    // piece twice charges twice.
    hero.SetGold(2200);
    Shop(hero, "6\n5\n\n0\n\n1\n3\n\n3\n\n");
    EXPECT_EQ(std::tuple(hero.GetGold(), std::string(hero.GetHelm()->GetName())),
              std::tuple(2200 - 100 - 800 - 800, std::string("Steel Hood")));
    Shop(hero, "6\n4\n\n");
    EXPECT_EQ(hero.GetHelm()->GetName(), "Bear Head");
    EXPECT_EQ(hero.GetHelm()->GetPrice(), 500);  // the whole record is copied
}

TEST(ArmoryTest, ClassesWithoutShieldsAreToldSoAndAskedAgain) {
    for (const auto& [group, name] : {std::pair(3, "archer"), std::pair(4, "thief")}) {
        Player hero;
        hero.SetGroup(group);
        // The refusal leads to the front screen with nothing waiting for it,
        // so an unknown key asks the question again.
        const std::string out = Shop(hero, "4\n\n\nx\n");
        EXPECT_EQ(out, std::string("\n\n\nThere are no shields available for the ") + name + " class.\n\n\n" + P +
                           "All around you there are helms, platebodies, capes, and much more.\n"
                           "The shopkeeper stands a distance away, polishing a breastplate.\n"
                           "Brannock:\nHello, interested in anything?\n" +
                           P + kQuestion + kQuestion);
    }
}

// Thousands of moves between the front screen and its sub-shops (an unknown
// key resuming a list each time) never pile up screens waiting to resume;
// an unknown key at the front entered from the town brings back the bare ">".
TEST(ArmoryTest, ALongWalkKeepsTheWaitingListShort) {
    std::string walk = "\n3\n\n\n";
    for (int i = 0; i < 3000; ++i) walk += "1\n0\n\nz\n0\n\n" + std::to_string(i % 6 + 1) + "\n0\n\n";
    walk += "7\n\n3\n\n\nz\n";
    TestWorld world(walk);
    Player hero;
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(town); }));
    EXPECT_EQ(loop.DeepestWaiting(), 1u);
    const std::string out = world.Output();
    EXPECT_EQ(out.substr(out.size() - kQuestion.size() - 1), kQuestion + ">");
    std::size_t helmLists = 0;  // from the key "1" and from each unknown key
    for (std::size_t at = 0; (at = out.find(kQuestion + "\n\n1. Soft", at)) != std::string::npos; ++at) ++helmLists;
    EXPECT_EQ(helmLists, 3000u + 3000u + 500u);
}

// A weapon, an armour piece, a bow and arrows bought in the town's shops are
// in the saved file and come back on loading.
TEST(GearShopsTest, BoughtGearSurvivesSaveAndLoad) {
    testing::TestWorld world(
        "\n2\n\n\n3\n\n0\n\n"           // the blacksmith's Steel Sword
        "3\n\n\n5\n12\n\n0\n\n7\n\n"    // the armory's Golden Cape
        "6\n\n\n2\n7\n\n1\n2\n\n0\n");  // seven arrows and Lowe's Oak Shortbow
    Player hero;
    hero.SetGold(3000);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, town); }));
    ASSERT_TRUE(hero.Save());
    Player loaded;
    loaded.Load();
    const auto gear = [](const Player& h) {
        return std::tuple(h.GetGold(), std::string(h.GetWeapon()->GetName()), h.GetWeapon()->GetDamage(),
                          std::string(h.GetCape()->GetName()), h.GetCape()->GetProtection(), h.HasBow(),
                          std::string(h.GetBowName()), h.GetBowPower(), h.GetArrows());
    };
    EXPECT_EQ(gear(hero), std::tuple(3000 - 500 - 1000 - 140 - 1000, std::string("Steel Sword"), 14,
                                     std::string("Golden Cape"), 44, true, std::string("Oak Shortbow"), 7, 7));
    EXPECT_EQ(gear(loaded), gear(hero));
}

}  // namespace
}  // namespace vaskarn
