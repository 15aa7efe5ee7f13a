#include "abilities/spells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

auto Fields(const Spell& s) {
    return std::tuple(std::string(s.GetName()), s.GetPrice(), s.GetMPCost(), s.GetPower(), s.GetSpellType());
}

// A stored record of any type becomes that type's class with the record's
// values; a new spell of a kind takes its row of the kinds' table. Neither
// does anything without a target.
template <typename Kind>
void ExpectBuiltAsItsKind() {
    Spell record;
    record.SetName("Stored"), record.SetPrice(1), record.SetMPCost(2), record.SetPower(99);
    record.SetSpellType(Kind::kType);
    const std::unique_ptr<Spell> made = MakeSpell(&record);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(typeid(*made), typeid(Kind));
    EXPECT_EQ(Fields(*made), Fields(record));
    Kind fresh;
    const SpellDefaults& row = DefaultsFor(Kind::kType);
    EXPECT_EQ(Fields(fresh), std::tuple(std::string(row.name), row.price, row.mpcost, row.power, Kind::kType));
    fresh.Cast(nullptr, 0);
}

template <typename... Kinds>
void ExpectEveryKindBuilt() {
    EXPECT_EQ(std::set<int>{Kinds::kType...}.size(), std::size_t{kLastSpellType});
    (ExpectBuiltAsItsKind<Kinds>(), ...);
}

TEST(SpellsTest, StoredRecordsBecomeTheirKind) {
    TestWorld world;
    ExpectEveryKindBuilt<Fireball, Inferno, Sapphire, Probe, Minor_Healing, Major_Healing, Blaze, Cleave, Wave,
                         Spirit, Poison, Lightning, Soul_Charge, Unpoison, Alchemy, Fusion, Magic_Bullet,
                         For_Camelot, Black_Magic, Random, Parry, Head_Bash, Vesk_Song, Light_Orb2, Unleash,
                         Barrel_Fire, Gods_Hand, Gods_Arrow, Gods_Fire, Unleashed2, Flamethrower, Flaming_Torch>();
    Spell record;
    const std::unique_ptr<Spell> plain = MakeSpell(&record);  // ST_GENERIC
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(typeid(*plain), typeid(Spell));
    for (const std::int32_t bad : {33, -1, INT_MAX}) {
        record.SetSpellType(static_cast<Spell_Type>(bad));
        EXPECT_EQ(MakeSpell(&record), nullptr) << bad;
    }
    EXPECT_EQ(MakeSpell(nullptr), nullptr);
    EXPECT_EQ(world.Output(), "");
    EXPECT_EQ(world.scripted.draws + world.scripted.seeds, 0);
}

Entity Wolf(int hp = 100, int maxhp = 100, bool poisoned = false, int gold = 50) {
    Entity e;
    e.SetName("Wolf");
    e.SetMaxHP(maxhp);
    e.SetHP(hp);
    e.SetPoisoned(poisoned);
    e.SetGold(gold);
    e.SetXP(7);
    return e;
}

auto State(const Entity& e) { return std::tuple(e.GetHP(), e.GetMaxHP(), e.IsPoisoned(), e.GetGold()); }

struct CastRow {
    Spell_Type kind;
    std::vector<std::uint32_t> draws;  // all taken, and no more
    Entity before, after;
    std::string input = "";
    std::string said = "";  // the narration, checked for one kind of each shape
};

// The kinds that hit by their record's power; the others keep their kind's
// strength whatever a loaded record holds.
const std::set<Spell_Type> kReadPower = {ST_FIREBALL,   ST_LIGHT_ORB,    ST_UNLEASH,
                                         ST_BARRELFIRE, ST_FLAMETHROWER, ST_FLAMINGTORCH};

// Each kind as a shop or a save hands it over (its table row, rebuilt by the
// factory), cast with the draws and input listed; the next line of input
// stays unread. The Wolf has 50 gold and 7 XP.
TEST(SpellsTest, EffectsOfEveryKind) {
    const Entity W = Wolf(), P = Wolf(100, 100, true), Big = Wolf(1000, 1000);
    const std::string blaze = "You begin to charge up a powerful blast.\nHow much energy would you like to charge?\n>";
    const std::string alchemy = "How much gold would you like to convert to HP?\n>";
    const std::string barrel = "You cast a barrel of fire at the Wolf.\nAll of a sudden, the Wolf bursts into flames, "
                               "and\nthe body collapses to the ground. You have hit it for ";
    const std::vector<CastRow> rows = {
        {ST_FIREBALL, {}, W, Wolf(90), "", "From your hand, you summon a ball of fire that flies at the Wolf,\n"
                                           "damaging him for 10 damage.\n"},
        {ST_INFERNO, {3}, W, Wolf(80)},
        {ST_INFERNO, {2}, W, W, "", "You summon a blazing wall of fire at the Wolf.\nYour wall of fire burns out.\n"},
        {ST_SAPPHIRE, {}, W, Wolf(50)},
        {ST_PROBE, {}, W, W, "", "Wolf\nXP: 7\nHP: 100\nMax HP: 100\nGold: 50\n"},
        {ST_MINOR_HEALING, {}, Wolf(90), W, "", "You heal Wolf for 20.\n"},
        {ST_MAJOR_HEALING, {}, Wolf(10), Wolf(80)},
        {ST_BLAZE, {}, W, W, "4\n", blaze + "Your ball of energy fizzles.\n"},
        {ST_BLAZE, {}, W, Wolf(95), "5\n", blaze + "You hit the Wolf for 5 damage.\n"},
        {ST_BLAZE, {}, W, Wolf(80), "20\n"}, {ST_BLAZE, {}, W, W, "21\n"}, {ST_BLAZE, {}, W, W, "lots of it\n"},
        {ST_CLEAVE, {7}, W, W}, {ST_WAVE, {51}, W, Wolf(80)}, {ST_WAVE, {150}, W, W},
        {ST_SPIRIT, {9}, W, Wolf(45, 100, true)},
        {ST_POISON, {}, W, P, "", "You poison the Wolf.\n"},
        {ST_POISON, {}, P, P, "", "The Wolf is already poisoned.\n"},
        {ST_LIGHTNING, {}, W, Wolf(75)}, {ST_SOUL_CHARGE, {4}, W, W}, {ST_UNPOISON, {}, P, W},
        {ST_ALCHEMY, {}, Wolf(50, 500), Wolf(100, 500, false, 0), "50\n",
         alchemy + "You convert 50 gold into 50 HP.\nThe Wolf has 0 gold left and now 100 HP.\n"},
        {ST_ALCHEMY, {}, Wolf(50, 500), Wolf(50, 500), "51\n",
         alchemy + "You fail to complete the spell because Wolf does\nnot have enough gold.\n"},
        {ST_ALCHEMY, {}, Wolf(50, 500), Wolf(50, 500), "lots\n"},
        {ST_ALCHEMY, {}, Wolf(50, 500), Wolf(50, 500), "-20\n"},  // would have cost HP
        {ST_FUSION, {21}, Wolf(200, 200), Wolf(1, 1)}, {ST_FUSION, {22}, W, W},
        {ST_MAGIC_BULLET, {9}, W, Wolf(81)}, {ST_FOR_CAMELOT, {}, Wolf(50), Wolf(70)},
        // a=6%4, thrown away, b=3%2, c=8%5, d=9%5, e=5%4, f=25%15, thrown away
        {ST_BLACK_MAGIC, {6, 100, 3, 8, 9, 5, 25, 100}, W, Wolf(39)},
        {ST_RANDOM, {6}, Wolf(60), Wolf(40)}, {ST_RANDOM, {1}, Wolf(60), Wolf(60, 100, true)},
        {ST_RANDOM, {2}, Wolf(60), W}, {ST_RANDOM, {3}, Wolf(60), Wolf(0)},
        {ST_RANDOM, {4}, Wolf(60), Wolf(60, 100, true)}, {ST_RANDOM, {4}, Wolf(60, 100, true), Wolf(50, 100, true)},
        {ST_RANDOM, {5}, Wolf(60), Wolf(60)},
        {ST_PARRY, {9}, W, Wolf(85)}, {ST_PARRY, {2}, W, W}, {ST_HEAD_BASH, {}, W, Wolf(95)},
        // x = 3, y = 4: 5 + 20 - 3 + 2; other words are passed over silently
        {ST_VESK_SONG, {3, 4}, W, Wolf(76), "4 rock\n1\n"},
        {ST_VESK_SONG, {6, 0, 13}, W, Wolf(61), "2\n",
         "You begin to sing a song.\nWhat kind of song would you like to sing?\n1. Rock\n2. Rap\n3. Techno\n>"
         "You start to rap. You are a terrible rapper!\nThe Wolf is so annoyed about the song\n"
         "that he hits himself on the head for 39 damage.\n"},
        {ST_VESK_SONG, {}, W, P, "3\n"},
        {ST_LIGHT_ORB, {49}, W, Wolf(41)}, {ST_UNLEASH, {4}, Wolf(200, 200), Wolf(20, 200)},
        {ST_BARRELFIRE, {0}, W, Wolf(0), "", barrel + "120\ndamage.\n\nWell, looks like the body is completely "
                                                  "burned. You won't be seeing that anymore.\n\n"},
        {ST_BARRELFIRE, {39}, Wolf(500, 500), Wolf(341, 500), "",
         barrel + "159\ndamage.\n\nUh oh, seems like the body is still alive.\n\n"},
        {ST_GODSHAND, {}, W, Wolf(75, 100, true)}, {ST_GODSARROW, {}, Wolf(7), Wolf(3)},
        {ST_GODSFIRE, {}, W, Wolf(50, 100, true)}, {ST_UNLEASHED, {}, Wolf(101, 201), Wolf(50, 100, true)},
        {ST_FLAMETHROWER, {10, 45}, Big, Wolf(785, 1000)},
        {ST_FLAMINGTORCH, {5}, Big, Wolf(500, 1000)}, {ST_FLAMINGTORCH, {4}, W, W},
    };
    TestWorld world;
    for (const CastRow& row : rows) {
        const SpellDefaults& d = DefaultsFor(row.kind);
        const bool readsPower = kReadPower.contains(row.kind);
        const bool hits = row.after.GetHP() < row.before.GetHP();
        std::string standardSaid;
        for (const int power : {d.power, d.power + 7, INT_MAX, INT_MIN}) {
            world.SetInput(row.input + "next\n");
            world.scripted = {};
            world.scripted.queue.assign(row.draws.begin(), row.draws.end());
            Spell record;
            record.SetName(d.name), record.SetPrice(d.price), record.SetMPCost(d.mpcost), record.SetPower(power);
            record.SetSpellType(row.kind);
            Entity target = row.before;
            MakeSpell(&record)->Cast(&target, 1);
            const std::string said = world.TakeOutput();
            SCOPED_TRACE(std::string(d.name) + " at power " + std::to_string(power) + ":\n" + said);

            Entity expected = row.after;
            if (power == d.power) standardSaid = said;
            if (power == d.power && !row.said.empty()) { EXPECT_EQ(said, row.said); }
            if (power != d.power && !readsPower) { EXPECT_EQ(said, standardSaid); }
            if (power != d.power && readsPower && hits) {  // the largest kills without overflowing, a negative heals
                const int harder = power == INT_MAX ? 0 : std::max(row.after.GetHP() - 7, 0);
                expected.SetHP(power == INT_MIN ? row.before.GetMaxHP() : harder);
            }
            EXPECT_EQ(State(target), State(expected));
            EXPECT_EQ(world.scripted.draws, static_cast<int>(row.draws.size()));
            // Only Unleash re-seeds (from the clock, which reads 1000), before it draws.
            EXPECT_EQ(std::tuple(world.scripted.seeds, world.scripted.lastSeed, world.scripted.drawsBeforeSeed),
                      row.kind == ST_UNLEASH ? std::tuple(1, 1000u, 0) : std::tuple(0, 0u, 0));
            EXPECT_EQ(io().ReadLine(), "next");
        }
    }

    world.SetInput("la la\n");  // no song named: the song waits for one until the input ends
    Entity wolf = Wolf();
    EXPECT_TRUE(world.EndsGame([&] { Vesk_Song().Cast(&wolf, 1); }));
}

// The curse is appended to the name, cut where the name field ends.
TEST(SpellsTest, UnleashedAppendsTheCurseToTheName) {
    TestWorld world;
    for (const auto& [before, once, twice] :
         {std::tuple("Wolf", "Wolf (Cursed)", "Wolf (Cursed) (Cursed)"),
          std::tuple("Abcdefghijklmnopqrstuvwxyzabcd", "Abcdefghijklmnopqrstuvwxyzabcd (Cur",
                     "Abcdefghijklmnopqrstuvwxyzabcd (Cur")}) {
        Entity target = Wolf();
        target.SetName(before);
        Unleashed2().Cast(&target, 1);
        EXPECT_EQ(target.GetName(), once);
        Unleashed2().Cast(&target, 1);
        EXPECT_EQ(target.GetName(), twice);
    }
}

}  // namespace
}  // namespace vaskarn
