#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>

#include "abilities/spells.h"
#include "model/player.h"
#include "model/slots.h"
#include "support/test_world.h"
#include "world/regions/rainforest/rainforest.h"
#include "world/regions/rainforest/story.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kForest = "You stand in the middle of the rainforest.";
const std::string kCampMenu =
    "\n\nYou sit by the fire in your camp. The animals are quiet for now.\n"
    "What would you like to do?\n1. Go In Your Tent And Sleep Through The Night\n";
const std::string kStoryLost =
    "Everything goes dark...\nYou wake up at the edge of the rainforest, where the path began.\n" + P + kForest;

// Draws are 0 unless scripted: every blow lands for its plain damage, and a
// retreat always gets away. A level-21 hero of no class earns no level or
// title from anything here.
enum class Hero { Strong, Fleeing };

void Prepare(Player& hero, Hero kind) {
    hero.SetLevel(21);
    hero.SetGold(101);
    hero.SetMaxHP(300);
    hero.SetHP(250);
    hero.SetMP(0);
    if (kind == Hero::Strong) hero.SetAttack(5000);
}

// The keys of a fight against one monster, from the battle's first pause.
std::string FightKeys(Hero kind) { return kind == Hero::Strong ? "\n1\n\n\n\n" : "\n7\n\n"; }

std::string Play(Player& hero, Screen start, const std::string& input,
                 std::initializer_list<std::uint32_t> draws = {}) {
    TestWorld world(input);
    world.scripted.Push(draws);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(start); }));  // where the input ends
    return world.Output();
}

bool Has(const std::string& out, const std::string& part) { return out.find(part) != std::string::npos; }

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
        {5, "You found a Medium Health Potion!\n", 100, "Medium Health Potion", nullptr},
        {1254, "You found 50 gold on the ground!\n", 150, nullptr, nullptr},  // 253 again
        {14, "You found a Medium Health Potion!\n", 100, "Medium Health Potion", nullptr},
        {15, nothing, 100, nullptr, nullptr},
        {253, "You found 50 gold on the ground!\n", 150, nullptr, nullptr},
        {782, "You find a Charred Staff on the ground.\n", 100, nullptr, "Charred Staff"},
        {1000, nothing, 100, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        Player hero;
        const std::string out = Play(hero, rainforest, "\n2\n\n", {c.draw});
        EXPECT_TRUE(Has(out, ">You search on the ground for any items...\n" + c.found + P + kForest)) << c.draw;
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
    const std::string out = Play(hero, rainforest, "\n2\n\n", {5});
    EXPECT_TRUE(Has(out, "You found a Medium Health Potion!\n"
                         "You can't hold any more potions, your potion inventory is full.\n" + P + kForest));
    EXPECT_EQ(hero.GetGold(), 100);
    EXPECT_FALSE(Holds(hero.GetPotion(), "Medium Health Potion"));
}

// One or two animals (a draw modulo 2, plus 1); running away is a death.
TEST(RainforestTest, AFlightFromTheAnimalsIsADeath) {
    Player hero;
    Prepare(hero, Hero::Fleeing);
    hero.SetPoisoned(true);
    const std::string out = Play(hero, rainforest, "\n3\n\n\n7\n\n\n", {3, 0, 13});
    EXPECT_TRUE(Has(out, "\n1. Pony - 80/80 \n2. Troll - 200/200 \n\n"));
    EXPECT_TRUE(
        Has(out, "without being harmed.\n" + P + "The animals of the rainforest have killed you!\n" + P + kForest));
    EXPECT_EQ(GoldHPPoison(hero), std::tuple(50, 300, false));
}

// The camp's three rests: the poison line only for a poisoned hero, then the
// refusal; the status screen comes back to the camp as it left it.
TEST(RainforestTest, TheCampAllowsThreeRestsAndStatsResumeIt) {
    Player hero;
    Prepare(hero, Hero::Strong);
    hero.SetPoisoned(true);
    TestWorld world("2\n\n2\n\n2\n\n2\n\n3\n\n0\n");
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(Screen(rainforestcamp, 2, 0, 1)); }));
    EXPECT_EQ(loop.DeepestWaiting(), 1u);  // only the camp, while the status screen is open
    const std::string out = world.Output();
    const std::string rest = ">HP, MP, and energy restored!\n";
    EXPECT_TRUE(Has(out, "2. Rest (3 rests left)\n3. Stats\n" + rest + "You are no longer poisoned!\n" + P));
    EXPECT_TRUE(Has(out, "2. Rest (2 rests left)\n3. Stats\n" + rest + P));
    EXPECT_TRUE(Has(out, "2. Rest (1 rests left)\n3. Stats\n" + rest + P));
    EXPECT_TRUE(Has(out, "2. Rest (0 rests left)\n3. Stats\n"
                         ">You can't rest anymore.\nYou have already rested 3 times.\n" + P));
    const std::size_t stats = out.find("0. Return To Game \n>");
    ASSERT_NE(stats, std::string::npos);
    EXPECT_TRUE(Has(out.substr(stats), kCampMenu + "2. Rest (0 rests left)\n"));
    EXPECT_EQ(GoldHPPoison(hero), std::tuple(101, 300, false));
}

// A morning: the poison roll (modulo 15), the raid's size (modulo 5, plus 1),
// then the fight. A lost fight costs a chance and the hero gets up whole; the
// fifth ends the story in a death. The tenth win leads on to the chief.
TEST(RainforestTest, MorningsCountChancesAndWins) {
    const struct {
        int kills;
        int deaths;
        Hero kind;
        std::string words;
        std::string then;
        std::tuple<int, int, bool> after;
    } cases[] = {
        {0, 3, Hero::Fleeing,
         "You have been killed!\nYou already been killed 4 times!\n"
         "You better be careful, you only have 1 chances left.\n",
         kCampMenu, {101, 300, false}},
        {0, 4, Hero::Fleeing,
         "You have been killed!\nYou already been killed 5 times!\n"
         "You have no more chances left.\nHero falls to the ground, dead.\n",
         kStoryLost, {50, 300, false}},
        {9, 0, Hero::Strong,
         "You successfully killed the animals!\nYou have already killed 10 animals.\n"
         "Congratulations! Hero has survived the 10 days.\n"
         "You pack up your tent, and walk on along the path.\n",
         "At the end of the path stands an ancient stone temple", {301, 240, true}},
        {3, 0, Hero::Strong,
         "You successfully killed the animals!\nYou have already killed 4 animals.\n"
         "Only 6 more before you can continue your journey.\n",
         kCampMenu, {301, 240, true}},
    };
    for (const auto& c : cases) {
        Player hero;
        Prepare(hero, c.kind);
        // Poisoned (20 % 15 is 5), a raid of one, the Crossbow Men; the
        // poison stings once, after the battle's first pause.
        const std::string keys = "1\n\n\n" + FightKeys(c.kind).insert(1, "\n") + "\n\n";
        const std::string out = Play(hero, Screen(rainforestcamp, c.kills, 0, c.deaths), keys, {20, 0, 3});
        EXPECT_TRUE(Has(out, "your camp!\nYou suddenly becomes poisoned.\n" + P)) << c.words;
        EXPECT_TRUE(Has(out, "\n\nCrossbow Men - 50/50 \n")) << c.words;
        EXPECT_TRUE(Has(out, c.words + P + c.then)) << c.words;
        EXPECT_EQ(GoldHPPoison(hero), c.after) << c.words;
    }
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
        Prepare(hero, Hero::Fleeing);
        const std::string keys = c.keys + FightKeys(Hero::Fleeing) + "\n\n";  // the defeat, the waking
        const std::string out = Play(hero, Screen(rainforest_storyline1, c.step), keys);
        EXPECT_TRUE(Has(out, std::string("without being harmed.\n") + P + c.defeat + P + kStoryLost)) << c.defeat;
        EXPECT_EQ(GoldHPPoison(hero), std::tuple(50, 300, false)) << c.defeat;
        EXPECT_FALSE(Holds(hero.GetInventory(), "Blank Carved Button"));
        EXPECT_FALSE(hero.GetForest());
    }
}

// The chief's spells are a reward, not a sale: one already known is kept as
// it is, with no refund of a price never paid.
TEST(RainforestTest, TheChiefTeachesOnlyTheSpellsNotYetKnown) {
    Player hero;
    Prepare(hero, Hero::Strong);
    const Black_Magic known;
    hero.AddSpell(&known);
    const std::string out = Play(hero, Screen(rainforest_storyline1, 4), "\n" + FightKeys(Hero::Strong) + "\n");
    EXPECT_TRUE(Has(out, "You have completed the Rainforest Quest!\n" + P + kForest));
    EXPECT_FALSE(Has(out, "You already have the spell"));
    EXPECT_EQ(CountHeld(hero.GetSpell()), 2u);
    EXPECT_TRUE(Holds(hero.GetSpell(), "For Camelot"));
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP(), hero.GetForest()), std::tuple(10101, 300, true));
}

}  // namespace
}  // namespace vaskarn
