#include "abilities/special_attacks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "support/test_world.h"

namespace vaskarn {
namespace {

auto Fields(const Special_Attack& a) {
    return std::tuple(std::string(a.GetName()), a.GetPrice(), a.GetEnergyCost(), a.GetPower(), a.GetAttackType());
}

// A stored record of any type becomes that type's class with the record's
// values; a new attack of a kind takes its row of the kinds' table. Neither
// does anything without a target.
template <typename Kind>
void ExpectBuiltAsItsKind() {
    Special_Attack record;
    record.SetName("Odd Record"), record.SetPrice(7), record.SetEnergyCost(8), record.SetPower(-9);
    record.SetAttackType(Kind::kType);
    const auto made = MakeSpecialAttack(&record);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(typeid(*made), typeid(Kind));
    EXPECT_EQ(Fields(*made), Fields(record));
    Kind fresh;
    const SpecialAttackDefaults& row = DefaultsFor(Kind::kType);
    EXPECT_EQ(Fields(fresh), std::tuple(std::string(row.name), row.price, row.energycost, row.power, Kind::kType));
    fresh.Attack(nullptr, 0);
}

template <typename... Kinds>
void ExpectEveryKindBuilt() {
    EXPECT_EQ(std::set<int>{Kinds::kType...}.size(), std::size_t{kLastSpecialAttackType});
    (ExpectBuiltAsItsKind<Kinds>(), ...);
}

TEST(SpecialAttacksTest, StoredRecordsBecomeTheirKind) {
    testing::TestWorld world;
    ExpectEveryKindBuilt<Cleave1, Rampage, Sweep, Puncturing, Poison_Blade, Thrust, Stab, Jab, Crush, Fire_Blade,
                         Water_Blade, Earth_Blade3, Light_Blade3, Cutter2, Flash2, Throw2, Spin2, Multiply2,
                         Forged_Sword, Finisher1, Midair_Cut, Final_Cutter>();
    Special_Attack record;
    const auto base = MakeSpecialAttack(&record);  // ST_0
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(typeid(*base), typeid(Special_Attack));
    for (const std::int32_t bad : {23, -1, INT_MAX, INT_MIN}) {
        record.SetAttackType(static_cast<Special_Attack_Type>(bad));
        EXPECT_EQ(MakeSpecialAttack(&record), nullptr) << bad;
    }
    EXPECT_EQ(MakeSpecialAttack(nullptr), nullptr);
    EXPECT_EQ(world.Output(), "");
    EXPECT_EQ(world.scripted.draws + world.scripted.seeds, 0);
}

struct Use {
    Special_Attack_Type kind;
    std::vector<std::uint32_t> draws;  // all taken, and no more
    int hp, hpAfter;
    bool poisoned = false;
    std::string said = "";  // the narration, checked for one kind of each shape
};

const std::set<Special_Attack_Type> kReseed = {ST_CLEAVE1, ST_RAMPAGE, ST_PBLADE, ST_FIREBLADE, ST_WATERBLADE};

// Each kind as a shop or a save hands it over (its table row, rebuilt by the
// factory) against a Troll with 2000 max HP. Every kind but two hits by its
// record's power, whatever it holds: more power hits harder, the largest
// kills without overflowing and a negative one heals within the clamps.
TEST(SpecialAttacksTest, EffectsOfEveryKind) {
    const std::string stab = "You perform a stabbing move at the Troll,\nhitting him for ";
    const std::vector<Use> uses{
        {ST_CLEAVE1, {3, 14}, 2000, 1957, false, "You hold your sword high up in the air, and it comes slashing\ndown "
                                                 "with a sharp sound at the Troll.\nThe Troll is hit for 43 damage.\n"},
        {ST_RAMPAGE, {0}, 2000, 2000}, {ST_RAMPAGE, {4}, 2000, 1980}, {ST_RAMPAGE, {5}, 2000, 1960},
        {ST_SWEEP, {}, 2000, 1975}, {ST_PUNCTURE, {}, 2000, 1990},
        {ST_PBLADE, {1, 2, 3}, 2000, 2000, true, "You poison the Troll.\n"},
        {ST_THRUST, {}, 2000, 1985},
        {ST_STAB, {2, 4, 1}, 2000, 1989, true, stab + "11 damage.\nYou also poisoned the Troll.\n"},
        {ST_STAB, {0, 0, 8}, 2000, 1995, true}, {ST_STAB, {0, 0, 2}, 2000, 1995, false, stab + "5 damage.\n"},
        {ST_JAB, {5, 1}, 2000, 1980}, {ST_JAB, {5, 10}, 2000, 2000, false, "Your jab move missed.\n"},
        {ST_CRUSH, {16}, 2000, 1950}, {ST_CRUSH, {15}, 2000, 2000},
        {ST_FIREBLADE, {14}, 2000, 1941}, {ST_WATERBLADE, {16}, 2000, 1969}, {ST_EARTHBLADE, {9}, 2000, 1946},
        {ST_LIGHTBLADE, {3}, 2000, 1961}, {ST_CUTTER, {19}, 2000, 1861}, {ST_FLASH, {29}, 2000, 1831},
        {ST_THROW, {}, 2000, 1955}, {ST_SPIN, {}, 2000, 1930},
        {ST_MULTIPLY, {9}, 2000, 1600, false, "Your sword starts to gain energy. On the handle of your sword,\nyou "
                                              "see a number. It is 10. The Troll\nis hit for 400 damage.\n"},
        {ST_FORGEDSWORD, {399}, 2000, 1000},
        {ST_FINISHER, {21}, 2000, 500}, {ST_FINISHER, {20}, 2000, 2000}, {ST_FINISHER, {22}, 2000, 2000},
        {ST_MIDAIRCUT, {7}, 227, 0}, {ST_FINALCUTTER, {}, 2000, 1400},
    };
    testing::TestWorld world;
    for (const Use& use : uses) {
        const SpecialAttackDefaults& d = DefaultsFor(use.kind);
        const bool readsPower = use.kind != ST_PBLADE && use.kind != ST_FORGEDSWORD;
        for (const int power : {d.power, d.power + 1, INT_MAX, INT_MIN}) {
            world.scripted = {};
            world.scripted.queue.assign(use.draws.begin(), use.draws.end());
            Special_Attack record;
            record.SetName(d.name), record.SetPrice(d.price), record.SetEnergyCost(d.energycost);
            record.SetPower(power), record.SetAttackType(use.kind);
            Entity target;
            target.SetName("Troll"), target.SetMaxHP(2000), target.SetHP(use.hp);
            MakeSpecialAttack(&record)->Attack(&target, 1);
            const std::string said = world.TakeOutput();
            SCOPED_TRACE(std::string(d.name) + " at power " + std::to_string(power) + ":\n" + said);

            if (power == d.power && !use.said.empty()) { EXPECT_EQ(said, use.said); }
            if (power == d.power || !readsPower || use.hpAfter == use.hp) {
                EXPECT_EQ(target.GetHP(), use.hpAfter);
            } else if (power == INT_MAX || power == INT_MIN) {
                EXPECT_EQ(target.GetHP(), power == INT_MAX ? 0 : 2000);
            } else {
                EXPECT_LE(target.GetHP(), std::max(use.hpAfter - 1, 0));
            }
            EXPECT_EQ(target.IsPoisoned(), use.poisoned);
            EXPECT_EQ(world.scripted.draws, static_cast<int>(use.draws.size()));
            // Some kinds re-seed (from the clock), before they draw.
            EXPECT_EQ(std::tuple(world.scripted.seeds, world.scripted.drawsBeforeSeed),
                      std::tuple(kReseed.contains(use.kind) ? 1 : 0, 0));
        }
    }
}

}  // namespace
}  // namespace vaskarn
