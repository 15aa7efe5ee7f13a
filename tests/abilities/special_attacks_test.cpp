#include "abilities/special_attacks.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "support/test_world.h"

namespace vaskarn {
namespace {

using Maker = std::unique_ptr<Special_Attack> (*)();

template <typename K>
std::unique_ptr<Special_Attack> New() {
    return std::make_unique<K>();
}

struct Kind {
    Maker make;
    std::type_index cls;
    Special_Attack_Type type;
    const char* name;
    int price, energy, power;
};

template <typename K>
Kind Row(Special_Attack_Type t, const char* name, int price, int energy, int power) {
    return {&New<K>, typeid(K), t, name, price, energy, power};
}

const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds{
        Row<Cleave1>(ST_CLEAVE1, "Cleave", 8000, 55, 36),
        Row<Rampage>(ST_RAMPAGE, "Rampage", 2000, 50, 20),
        Row<Sweep>(ST_SWEEP, "Sweep", 2000, 40, 25),
        Row<Puncturing>(ST_PUNCTURE, "Puncture", 500, 20, 10),
        Row<Poison_Blade>(ST_PBLADE, "Poison Blade", 100, 20, 5),
        Row<Thrust>(ST_THRUST, "Thrust", 3000, 45, 15),
        Row<Stab>(ST_STAB, "Stab", 2000, 20, 5),
        Row<Jab>(ST_JAB, "Jab", 4000, 45, 15),
        Row<Crush>(ST_CRUSH, "Crush", 10000, 70, 50),
        Row<Fire_Blade>(ST_FIREBLADE, "Fire Blade", 5000, 60, 45),
        Row<Water_Blade>(ST_WATERBLADE, "Water Blade", 3000, 40, 30),
        Row<Earth_Blade3>(ST_EARTHBLADE, "Earth Blade", 4000, 55, 45),
        Row<Light_Blade3>(ST_LIGHTBLADE, "Light Blade", 4000, 45, 36),
        Row<Cutter2>(ST_CUTTER, "Cutter", 7000, 55, 120),
        Row<Flash2>(ST_FLASH, "Flash", 8000, 60, 140),
        Row<Throw2>(ST_THROW, "Throw", 5000, 30, 45),
        Row<Spin2>(ST_SPIN, "Spin", 6000, 40, 70),
        Row<Multiply2>(ST_MULTIPLY, "Multiply", 20000, 170, 40),
        Row<Forged_Sword>(ST_FORGEDSWORD, "Forged Sword", 200000, 270, 500),
        Row<Finisher1>(ST_FINISHER, "Finisher", 400000, 250, 1500),
        Row<Midair_Cut>(ST_MIDAIRCUT, "Midair Cut", 200000, 120, 220),
        Row<Final_Cutter>(ST_FINALCUTTER, "Final Cutter", 200000, 220, 600),
    };
    return kinds;
}

using Fields = std::tuple<std::string, int, int, int, std::int32_t>;
Fields FieldsOf(const Special_Attack& a) {
    return {std::string(a.GetName()), a.GetPrice(), a.GetEnergyCost(), a.GetPower(), a.GetAttackType()};
}

TEST(SpecialAttacksTest, DefaultsAndFactoryForEveryKind) {
    testing::TestWorld world;
    ASSERT_EQ(Kinds().size(), 22u);
    Special_Attack record;  // the factory follows the type of any record and copies every field
    record.SetName("Odd Record");
    record.SetPrice(7);
    record.SetEnergyCost(8);
    record.SetPower(-9);
    for (const Kind& k : Kinds()) {
        SCOPED_TRACE(k.name);
        const auto made = k.make();
        EXPECT_EQ(std::type_index(typeid(*made)), k.cls);
        EXPECT_EQ(FieldsOf(*made), Fields(k.name, k.price, k.energy, k.power, k.type));
        made->Attack(nullptr, 0);  // no target: nothing happens, not even a draw
        record.SetAttackType(k.type);
        const auto copy = MakeSpecialAttack(&record);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(std::type_index(typeid(*copy)), k.cls);
        EXPECT_EQ(FieldsOf(*copy), Fields("Odd Record", 7, 8, -9, k.type));
    }
    record.SetAttackType(ST_0);
    const auto base = MakeSpecialAttack(&record);
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(std::type_index(typeid(*base)), std::type_index(typeid(Special_Attack)));
    EXPECT_EQ(FieldsOf(*base), Fields("Odd Record", 7, 8, -9, ST_0));
    for (const std::int32_t bad : {23, -1, INT_MAX, INT_MIN}) {
        record.SetAttackType(static_cast<Special_Attack_Type>(bad));
        EXPECT_EQ(MakeSpecialAttack(&record), nullptr) << bad;
    }
    EXPECT_EQ(MakeSpecialAttack(nullptr), nullptr);
    EXPECT_EQ(world.Output(), "");
    EXPECT_EQ(world.scripted.draws + world.scripted.seeds, 0);
}

struct Use {
    Maker make;
    std::vector<std::uint32_t> draws;  // all of them must be consumed, and no more
    int hp;
    std::string text;
    int hpAfter;
    bool poisoned = false;
    int seeds = 0;
};

Entity Troll(int hp) {
    Entity e;
    e.SetName("Troll");
    e.SetMaxHP(2000);
    e.SetHP(hp);
    return e;
}

TEST(SpecialAttacksTest, NarrationDrawsAndEffectOfEachKind) {
    const std::string cleave = "You hold your sword high up in the air, and it comes slashing\ndown with a sharp sound"
                               " at the Troll.\nThe Troll is hit for 43 damage.\n";
    const std::string rampage = "You swing your sword at the Troll, damaging him for\n";
    const std::string stab = "You perform a stabbing move at the Troll,\nhitting him for ";
    const std::string fire = "You charge up your sword for a massive inferno, and when you\nrelease it, the inferno "
                             "immediately burns the\nTroll, dealing it for 59 damage.\n";
    const std::string water = "You charge up your sword for a massive wave of water.\nWhen you release it, a huge wave"
                              " covers up the\nTroll completely and hits him for 31\ndamage.\n";
    const std::string cutter = "You swing your sword in a circular motion at an extremely fast speed,\nand charge at "
                               "the Troll. The sword\nhits it, damaging it for 139.\n";
    const std::string multiply = "Your sword starts to gain energy. On the handle of your sword,\nyou see a number. It "
                                 "is 10. The Troll\nis hit for 400 damage.\n";
    const std::string forged = "You hold your sword up in the sky. It charges up, as the heat\nflows into it. Soon, it"
                               " is all charged, and you lunge at the\nTroll. The Troll is\nhit for 1000 damage.\n";
    const std::string midair = "You jump up in midair, taken the Troll with\nyou. Then, you slash at him with your "
                               "sword, hitting him\nfor 227 damage.\n";
    const std::string finisher = "You charge at the Troll with your sword...\n";
    const std::vector<Use> uses{
        {&New<Cleave1>, {3, 14}, 2000, cleave, 1957, false, 1},
        {&New<Rampage>, {0}, 2000, rampage + "0.\n", 2000, false, 1},
        {&New<Rampage>, {4}, 2000, rampage + "20.\n", 1980, false, 1},
        {&New<Rampage>, {5}, 2000, rampage + "40.\n", 1960, false, 1},
        {&New<Sweep>, {}, 2000, "You hold up your weapon and sweep it at the Troll.\nYou hit him for 25.\n", 1975},
        {&New<Puncturing>, {}, 2000, "You hold your weapon towards the Troll, preparing\nto hit him. You charge at "
                                     "him, hitting him for 10.\n", 1990},
        {&New<Poison_Blade>, {1, 2, 3}, 2000, "You poison the Troll.\n", 2000, true, 1},
        {&New<Thrust>, {}, 2000, "You spin your sword as if you were twisting it, and hit the\nTroll for 15 damage.\n",
         1985},
        {&New<Stab>, {2, 4, 1}, 2000, stab + "11 damage.\nYou also poisoned the Troll.\n", 1989, true},
        {&New<Stab>, {0, 0, 8}, 2000, stab + "5 damage.\nYou also poisoned the Troll.\n", 1995, true},
        {&New<Stab>, {0, 0, 2}, 2000, stab + "5 damage.\n", 1995},
        {&New<Jab>, {5, 1}, 2000, "You jab your sword at the Troll, hitting him\nfor 20.\n", 1980},
        {&New<Jab>, {5, 10}, 2000, "Your jab move missed.\n", 2000},
        {&New<Crush>, {16}, 2000, "You hold up your sword, and bring it down flying at the\nTroll, damaging it for 50 "
                                  "damage.\n", 1950},
        {&New<Crush>, {15}, 2000, "Your crushing move missed the Troll.\n", 2000},
        {&New<Fire_Blade>, {14}, 2000, fire, 1941, false, 1},
        {&New<Water_Blade>, {16}, 2000, water, 1969, false, 1},
        {&New<Earth_Blade3>, {9}, 2000, "You bring a rock from the ground, and it flies at the\nTroll, damaging it for"
                                        " 54 damage.\n", 1946},
        {&New<Light_Blade3>, {3}, 2000, "You flash a wide beam of light at the Troll.\nThe Troll is hit for 39.\n",
         1961},
        {&New<Cutter2>, {19}, 2000, cutter, 1861},
        {&New<Flash2>, {29}, 2000,
         "A flash shines from your sword, and flies at the Troll.\nThe Troll is hit for 169.\n", 1831},
        {&New<Throw2>, {}, 2000, "You throw your sword at the Troll, damaging it\nfor 45 damage.\n", 1955},
        {&New<Spin2>, {}, 2000, "You spin your sword, and throw it like a boomerang at the\nTroll. The Troll is hit for"
                                "\n70 damage.\n", 1930},
        {&New<Multiply2>, {9}, 2000, multiply, 1600},
        {&New<Forged_Sword>, {399}, 2000, forged, 1000},
        {&New<Finisher1>, {21}, 2000, finisher + "You hit him for 1500 damage.\n", 500},
        {&New<Finisher1>, {20}, 2000, finisher + "You missed him, better luck next time.\n", 2000},
        {&New<Finisher1>, {22}, 2000, finisher + "You missed him, better luck next time.\n", 2000},
        {&New<Midair_Cut>, {7}, 227, midair, 0},
        {&New<Final_Cutter>, {}, 2000, "You charge up your sword from the sky, and lunge at the\nTroll, hitting it for "
                                       "600 damage.\n", 1400},
    };
    for (const Use& use : uses) {
        testing::TestWorld world;
        world.scripted.queue.assign(use.draws.begin(), use.draws.end());
        Entity target = Troll(use.hp);
        use.make()->Attack(&target, 1);
        SCOPED_TRACE(use.text);
        EXPECT_EQ(world.Output(), use.text);
        EXPECT_EQ(target.GetHP(), use.hpAfter);
        EXPECT_EQ(target.IsPoisoned(), use.poisoned);
        EXPECT_EQ(world.scripted.draws, static_cast<int>(use.draws.size()));
        EXPECT_EQ(world.scripted.seeds, use.seeds);
    }
}

// Every kind but two hits by its own power field, whatever it holds: more
// power hits harder, the largest kills without overflowing and a negative one
// heals within the clamps. Raw draws of 296 make every kind that can miss hit,
// and Rampage double its power.
TEST(SpecialAttacksTest, DamageFollowsThePowerFieldSaveForTwoKinds) {
    for (const Kind& k : Kinds()) {
        std::vector<int> hp;
        for (const int power : {k.power, k.power + 1, INT_MAX, INT_MIN}) {
            testing::TestWorld world;
            world.scripted.Push({296, 296, 296});
            const auto attack = k.make();
            attack->SetPower(power);
            Entity target = Troll(1990);
            attack->Attack(&target, 1);
            hp.push_back(target.GetHP());
        }
        SCOPED_TRACE(k.name);
        if (k.type == ST_PBLADE || k.type == ST_FORGEDSWORD) {
            EXPECT_EQ(hp, std::vector<int>(4, hp[0]));
        } else {
            EXPECT_LT(hp[1], hp[0]);
            EXPECT_EQ(hp[2], 0);
            EXPECT_EQ(hp[3], 2000);
        }
    }
}

TEST(SpecialAttacksTest, ReseedingKindsDrawFromTheFreshSeed) {
    testing::TestWorld world("", testing::TestWorld::Generator::Portable);
    world.portable.Seed(12345);
    PortableRandom expected;
    expected.Seed(1000);  // the clock's seconds
    const int x = static_cast<int>(expected.Next() % 10);
    const int y = static_cast<int>(expected.Next() % 10);
    Entity target = Troll(2000);
    Cleave1().Attack(&target, 1);
    EXPECT_EQ(target.GetHP(), 2000 - (x + 36 + y));
}

}  // namespace
}  // namespace vaskarn
