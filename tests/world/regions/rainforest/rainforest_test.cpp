#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

#include "abilities/spells.h"
#include "model/player.h"
#include "model/slots.h"
#include "support/visit.h"
#include "world/regions/rainforest/rainforest.h"
#include "world/regions/rainforest/story.h"

// The camp's rests, mornings and lost chances, a flight from the animals,
// and the path won to its end, are the rainforest_quest and
// rainforest_camp_lost transcripts.
namespace vaskarn {
namespace {

using testing::Has;
using testing::kPause;
using testing::Visit;

const std::string kForest = "You stand in the middle of the rainforest.";
const std::string kFlee = "\n7\n\n";  // from a battle's first pause

// Draws are 0 unless scripted: every blow lands for its plain damage, and a
// retreat always gets away. A level-21 hero of no class earns no level or
// title from anything here.
void Prepare(Player& hero, bool strong) {
    hero.SetLevel(21);
    hero.SetGold(101);
    hero.SetMaxHP(300);
    hero.SetHP(250);
    hero.SetMP(0);
    if (strong) hero.SetAttack(5000);
}

std::tuple<int, int, bool> GoldHPPoison(const Player& h) { return {h.GetGold(), h.GetHP(), h.IsPoisoned()}; }

// The draw is taken modulo 1001, and the first band that holds it wins.
TEST(RainforestTest, TheGroundSearchFindsByBand) {
    const std::string nothing = "You found nothing though. Better luck next time!\n";
    const struct {
        std::uint32_t draw;
        std::string found;
        int gold;
        const char* potion;
        const char* item;
    } cases[] = {
        {14, "You found a Medium Health Potion!\n", 100, "Medium Health Potion", nullptr},
        {15, nothing, 100, nullptr, nullptr},
        {253, "You found 50 gold on the ground!\n", 150, nullptr, nullptr},
        {1254, "You found 50 gold on the ground!\n", 150, nullptr, nullptr},  // 253 again
        {782, "You find a Charred Staff on the ground.\n", 100, nullptr, "Charred Staff"},
        {1000, nothing, 100, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Player hero;
        const std::string out = Visit(hero, rainforest, "\n2\n\n", {c.draw});
        EXPECT_TRUE(Has(out, ">You search on the ground for any items...\n" + c.found + kPause + kForest)) << c.draw;
        EXPECT_EQ(hero.GetGold(), c.gold) << c.draw;
        EXPECT_EQ(CountHeld(hero.GetPotion()), c.potion ? 1u : 0u) << c.draw;
        EXPECT_TRUE(!c.potion || Holds(hero.GetPotion(), c.potion)) << c.draw;
        EXPECT_EQ(CountHeld(hero.GetInventory()), c.item ? 1u : 0u) << c.draw;
        EXPECT_TRUE(!c.item || Holds(hero.GetInventory(), c.item)) << c.draw;
    }
}

// A potion found with a full potion list stays on the ground, and no gold
// stands in for it.
TEST(RainforestTest, AFoundPotionNeedsRoom) {
    Player hero;
    for (int i = 0; i < 100; ++i) {
        Potion p;
        p.CreatePotion("Brew " + std::to_string(i), 1, 1, 1);
        hero.AddPotion(&p);
    }
    const std::string out = Visit(hero, rainforest, "\n2\n\n", {5});
    EXPECT_TRUE(Has(out,
                    "You found a Medium Health Potion!\n"
                    "You can't hold any more potions, your potion inventory is full.\n" +
                        kPause + kForest));
    EXPECT_EQ(hero.GetGold(), 100);
    EXPECT_FALSE(Holds(hero.GetPotion(), "Medium Health Potion"));
}

// Every fight of the story's chain ends it when it is not won.
TEST(RainforestTest, AnyDefeatOnThePathEndsTheStory) {
    const struct {
        int step;
        const char* keys;  // up to the fight
        const char* defeat;
    } cases[] = {
        {1, "\n", "The Wolf has killed you!\n"},
        {2, "\n", "The Blue Flag Warrior has killed you!\n"},
        {3, "3\n\n", "The Giant Monkey has killed you!\n"},
        {4, "\n", "The Aztec Jaguar Chief has killed you!\n"},
    };
    for (const auto& c : cases) {
        Player hero;
        Prepare(hero, false);
        const std::string out = Visit(hero, Screen(rainforest_storyline1, c.step), c.keys + kFlee + "\n\n");
        EXPECT_TRUE(Has(out, std::string("without being harmed.\n") + kPause + c.defeat + kPause +
                                 "Everything goes dark...\n"
                                 "You wake up at the edge of the rainforest, where the path began.\n" +
                                 kPause + kForest))
            << c.defeat;
        EXPECT_EQ(GoldHPPoison(hero), std::tuple(50, 300, false)) << c.defeat;
        EXPECT_FALSE(Holds(hero.GetInventory(), "Blank Carved Button"));
        EXPECT_FALSE(hero.GetForest());
    }
}

// The chief's spells are a reward, not a sale: one already known is kept as
// it is, with no refund of a price never paid.
TEST(RainforestTest, TheChiefTeachesOnlyTheSpellsNotYetKnown) {
    Player hero;
    Prepare(hero, true);
    const Black_Magic known;
    hero.AddSpell(&known);
    const std::string out = Visit(hero, Screen(rainforest_storyline1, 4), "\n\n1\n\n\n\n\n");
    EXPECT_TRUE(Has(out, "You have completed the Rainforest Quest!\n" + kPause + kForest));
    EXPECT_FALSE(Has(out, "You already have the spell"));
    EXPECT_EQ(CountHeld(hero.GetSpell()), 2u);
    EXPECT_TRUE(Holds(hero.GetSpell(), "For Camelot"));
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetForest()), std::tuple(10101, 300, true));
}

}  // namespace
}  // namespace vaskarn
