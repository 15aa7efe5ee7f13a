#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/grasslands/dungeon.h"
#include "world/regions/grasslands/tunnel.h"

// The bosses' wins are the grasslands_quest transcript; here their losses.
namespace vaskarn {
namespace {

using testing::kPause;

const std::string kCrossroads = "\n\n\n\nYou stand where many roads meet";

// Draws are all 0: every blow lands for its plain damage and a retreat
// always gets away. The boss's own pause, the battle's first and the
// poison's sting come before the hero's keys; the weak hero falls to the
// first blow after his own.
const std::string kSlain = "\n\n\n1\n\n\n\n\n\n";
const std::string kFled = "\n\n\n7\n\n\n\n";

// Into the field from its entrance: five steps north, one west.
const std::string kToTheKnight = "1\n\n1\n\n1\n\n1\n\n1\n\n2\n\n";

// Fleeing the golem is a death that leaves the poison and wakes on the
// plain; any defeat by the knight costs half the gold and cures it.
TEST(BossTest, DefeatsAndFlights) {
    const struct {
        Screen start;
        std::string walk;
        bool fled;
        std::string words;
        const char* landing;
        bool poisoned;
    } cases[] = {
        {Screen(tunnel, 2, 11), "", false, "You have been slain.\n" + kPause + "The Rock Golem has killed you!\n",
         kCrossroads.c_str(), false},
        {Screen(tunnel, 2, 11), "", true,
         "without being harmed.\n" + kPause +
             "You are just about to run away, when the Rock Golem\n"
             "sends a bunch of rocks falling at you. Haven't I told\n"
             "you never to run away during a boss fight? You died.\n",
         "You stand on an open plain", true},
        {gldungeon, kToTheKnight, false, "You have been slain.\n" + kPause + "The Black Knight has killed you!\n",
         kCrossroads.c_str(), false},
        {gldungeon, kToTheKnight, true, "without being harmed.\n" + kPause + "The Black Knight has killed you!\n",
         kCrossroads.c_str(), false},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(21);  // a warrior who earns no title or level from either boss
        hero.SetGold(1001);
        hero.SetMaxHP(300);
        hero.SetHP(c.fled ? 250 : 15);  // the poison stings for 10 first
        hero.SetMP(0);
        hero.SetEnergy(0);
        hero.SetPoisoned(true);
        const std::string out = testing::Visit(hero, c.start, c.walk + (c.fled ? kFled : kSlain));
        EXPECT_TRUE(testing::Has(out, c.words + kPause + c.landing)) << c.words;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetMP(), hero.GetEnergy(), hero.IsPoisoned()),
                  std::tuple(500, 300, 10, 20, c.poisoned))
            << c.words;
        EXPECT_FALSE(hero.GetGrasslands());
    }
}

}  // namespace
}  // namespace vaskarn
