#include "abilities/spells.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;
using Fresh = std::unique_ptr<Spell> (*)();

template <typename Kind>
std::unique_ptr<Spell> New() {
    return std::make_unique<Kind>();
}

Entity Wolf(int hp = 100, int maxhp = 100, bool poisoned = false) {
    Entity e;
    e.SetName("Wolf");
    e.SetMaxHP(maxhp);
    e.SetHP(hp);
    e.SetPoisoned(poisoned);
    e.SetGold(50);
    e.SetXP(7);
    return e;
}

auto Fields(const Spell& s) {
    return std::tuple(std::string(s.GetName()), s.GetPrice(), s.GetMPCost(), s.GetPower(), s.GetSpellType());
}

struct DefaultRow {
    Fresh make;
    const char* name;
    int price, mpcost, power;
};

// In type order, starting at ST_FIREBALL.
const std::vector<DefaultRow> kDefaults = {
    {&New<Fireball>, "Fireball", 50, 10, 10},
    {&New<Inferno>, "Inferno", 1000, 30, 20},
    {&New<Sapphire>, "Sapphire Energy", 50000, 80, 50},
    {&New<Probe>, "Probe", 100, 5, 0},
    {&New<Minor_Healing>, "Minor Healing", 200, 5, 20},
    {&New<Major_Healing>, "Major Healing", 500, 20, 70},
    {&New<Blaze>, "Blaze", 2000, 50, 20},
    {&New<Cleave>, "Cleave", 2000, 30, 30},
    {&New<Wave>, "Wave", 1500, 40, 20},
    {&New<Spirit>, "Spirit Summoning Level 1", 10000, 80, 45},
    {&New<Poison>, "Poison", 100, 10, 0},
    {&New<Lightning>, "Lightning", 2000, 55, 25},
    {&New<Soul_Charge>, "Soul Charge", 75000, 150, 81},
    {&New<Unpoison>, "Unpoison", 100, 10, 0},
    {&New<Alchemy>, "Alchemy", 1000, 15, 0},
    {&New<Fusion>, "Fusion", 5000, 40, 10},
    {&New<Magic_Bullet>, "Magic Bullet", 50, 15, 15},
    {&New<For_Camelot>, "For Camelot", 15000, 40, 20},
    {&New<Black_Magic>, "Black Magic", 20000, 70, 40},
    {&New<Random>, "Random", 1000, 20, 20},
    {&New<Parry>, "Parry", 4000, 25, 0},
    {&New<Head_Bash>, "Head Bash", 50, 0, 5},
    {&New<Vesk_Song>, "Vesk Song", 2000, 20, 20},
    {&New<Light_Orb2>, "Light Orb", 1000, 50, 10},
    {&New<Unleash>, "Unleash", 10000, 75, 80},
    {&New<Barrel_Fire>, "Barrel Fire", 25000, 100, 120},
    {&New<Gods_Hand>, "God's Hand", 200000, 100, 20},
    {&New<Gods_Arrow>, "God's Arrow", 200000, 140, 20},
    {&New<Gods_Fire>, "God's Fire", 200000, 180, 50},
    {&New<Unleashed2>, "Unleashed", 600000, 270, 200},
    {&New<Flamethrower>, "Flamethrower", 200000, 200, 250},
    {&New<Flaming_Torch>, "Flaming Torch", 200000, 230, 500},
};

TEST(SpellsTest, DefaultsAndStoredRecordsBecomeTheirKind) {
    TestWorld world;
    ASSERT_EQ(kDefaults.size(), 32u);
    Spell stored;  // a plain record as loaded from a save: the factory picks the class by type
    stored.SetName("Stored");
    stored.SetPrice(1);
    stored.SetMPCost(2);
    stored.SetPower(99);
    for (std::size_t i = 0; i < kDefaults.size(); ++i) {
        const DefaultRow& row = kDefaults[i];
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Spell> fresh = row.make();
        EXPECT_EQ(Fields(*fresh),
                  std::tuple(std::string(row.name), row.price, row.mpcost, row.power, Spell_Type(i + 1)));
        fresh->Cast(nullptr, 0);  // no target: nothing happens, not even a draw
        stored.SetSpellType(fresh->GetSpellType());
        const std::unique_ptr<Spell> made = MakeSpell(&stored);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(typeid(*made), typeid(*fresh));
        EXPECT_EQ(Fields(*made), Fields(stored));
    }
    stored.SetSpellType(ST_GENERIC);
    const std::unique_ptr<Spell> plain = MakeSpell(&stored);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(typeid(*plain), typeid(Spell));
    EXPECT_EQ(Fields(*plain), Fields(stored));
    for (const std::int32_t bad : {33, -1, INT_MAX}) {
        stored.SetSpellType(static_cast<Spell_Type>(bad));
        EXPECT_EQ(MakeSpell(&stored), nullptr) << bad;
    }
    EXPECT_EQ(MakeSpell(nullptr), nullptr);
    EXPECT_EQ(world.Output(), "");
    EXPECT_EQ(world.scripted.draws + world.scripted.seeds, 0);
}

// The fixed-strength kinds cast the same whatever their record's power holds
// (one loaded from a save, say); the others hit by it.
TEST(SpellsTest, OnlySomeKindsReadTheirPowerField) {
    struct Row {
        Fresh make;
        std::uint32_t draw;
        bool readsPower;
    };
    const std::vector<Row> rows = {
        {&New<Fireball>, 0, true},       {&New<Light_Orb2>, 0, true},     {&New<Unleash>, 2, true},
        {&New<Barrel_Fire>, 0, true},    {&New<Flamethrower>, 0, true},   {&New<Flaming_Torch>, 5, true},
        {&New<Inferno>, 3, false},       {&New<Sapphire>, 0, false},      {&New<Minor_Healing>, 0, false},
        {&New<Major_Healing>, 0, false}, {&New<Wave>, 51, false},         {&New<Spirit>, 0, false},
        {&New<Lightning>, 0, false},     {&New<Fusion>, 1, false},        {&New<Magic_Bullet>, 2, false},
        {&New<For_Camelot>, 0, false},   {&New<Black_Magic>, 0, false},   {&New<Random>, 0, false},
        {&New<Parry>, 2, false},         {&New<Head_Bash>, 0, false},     {&New<Vesk_Song>, 0, false},
    };
    for (const Row& row : rows) {
        std::vector<std::string> seen;
        std::vector<int> hp;
        const int standard = row.make()->GetPower();
        for (const int power : {standard, standard + 7, INT_MAX, INT_MIN}) {
            TestWorld world("1\n");
            world.scripted.Push({row.draw, row.draw});
            const std::unique_ptr<Spell> spell = row.make();
            spell->SetPower(power);
            Entity target = Wolf(900, 1000);
            spell->Cast(&target, 1);
            seen.push_back(world.TakeOutput());
            hp.push_back(target.GetHP());
        }
        SCOPED_TRACE(seen[0]);
        if (row.readsPower) {  // the largest power kills without overflowing, a negative one heals
            EXPECT_EQ(hp, (std::vector{hp[0], hp[0] - 7, 0, 1000}));
        } else {
            EXPECT_EQ(seen, std::vector<std::string>(4, seen[0]));
            EXPECT_EQ(hp, std::vector<int>(4, hp[0]));
        }
    }
}

struct CastRow {
    Fresh make;
    std::vector<std::uint32_t> draws;
    Entity before;
    std::string expected;
    int hp, maxhp;
    bool poisoned;
    std::string input = "";
    int gold = 50;
    int seeds = 0;
};

const std::string kMutter = "You mutter some random words...\n";
const std::string kBarrel =
    "You cast a barrel of fire at the Wolf.\nAll of a sudden, the Wolf bursts into flames, and\n"
    "the body collapses to the ground. You have hit it for ";
const std::string kArrow = "You see from the sky, God shoots an arrow at the\nWolf. The Wolf loses\nhalf his HP.\n";
const std::string kFusion =
    "You fuse the Wolf's attributes in half.\nThe Wolf is damaged for 10\nduring the fusion process.\n";
const std::string kBlaze =
    "You begin to charge up a powerful blast.\nHow much energy would you like to charge?\n>";
const std::string kFizzle = kBlaze + "Your ball of energy fizzles.\n";
const std::string kAlchemy = "How much gold would you like to convert to HP?\n>";
const std::string kNoGold = kAlchemy + "You fail to complete the spell because Wolf does\nnot have enough gold.\n";
const std::string kSongs = "You begin to sing a song.\nWhat kind of song would you like to sing?\n"
                           "1. Rock\n2. Rap\n3. Techno\n>";

// Each kind's narration and effect for chosen draws and typed input; the kind
// takes exactly the draws listed and leaves the next line of input unread.
// The Wolf has 50 gold and 7 XP.
TEST(SpellsTest, NarrationAndEffect) {
    const std::vector<CastRow> rows = {
        {&New<Fireball>, {}, Wolf(), "From your hand, you summon a ball of fire that flies at the Wolf,\n"
                                     "damaging him for 10 damage.\n", 90, 100, false},
        {&New<Inferno>, {3}, Wolf(), "You summon a blazing wall of fire at the Wolf.\n"
                                     "The blazing wall of fire blasts the Wolf for\n20 damage.\n", 80, 100, false},
        {&New<Inferno>, {2}, Wolf(), "You summon a blazing wall of fire at the Wolf.\nYour wall of fire burns out.\n",
         100, 100, false},
        {&New<Sapphire>, {}, Wolf(), "From your hand, a powerful ball of Sapphire Energy smotes the\n"
                                     "Wolf on the chest. He falls to the ground, bleeding.\n", 50, 100, false},
        {&New<Probe>, {}, Wolf(), "Wolf\nXP: 7\nHP: 100\nMax HP: 100\nGold: 50\n", 100, 100, false},
        {&New<Minor_Healing>, {}, Wolf(), "You heal Wolf for 20.\n", 100, 100, false},
        {&New<Major_Healing>, {}, Wolf(10), "You heal Wolf for 70.\n", 80, 100, false},
        {&New<Blaze>, {}, Wolf(), kFizzle, 100, 100, false, "4\n"},
        {&New<Blaze>, {}, Wolf(), kBlaze + "You hit the Wolf for 5 damage.\n", 95, 100, false, "5\n"},
        {&New<Blaze>, {}, Wolf(), kBlaze + "You hit the Wolf for 20 damage.\n", 80, 100, false, "20\n"},
        {&New<Blaze>, {}, Wolf(), kFizzle, 100, 100, false, "21\n"},
        {&New<Blaze>, {}, Wolf(), kFizzle, 100, 100, false, "lots of it\n"},
        {&New<Cleave>, {7}, Wolf(9, 9, true), "You miss the target.\n", 9, 9, true},
        {&New<Wave>, {51}, Wolf(), "You summon a huge wave of water that hits the Wolf\nIt damages the Wolf for 20.\n",
         80, 100, false},
        {&New<Wave>, {150}, Wolf(), "Your wave collapses.\n", 100, 100, false},
        {&New<Spirit>, {9}, Wolf(), "You summon a black dog, that attacks the Wolf\nfor 45 damage.\nThe Wolf is now "
                                    "also poisoned.\nThe Wolf takes 10 damage because of the\ndog bite.\n",
         45, 100, true},
        {&New<Poison>, {}, Wolf(), "You poison the Wolf.\n", 100, 100, true},
        {&New<Poison>, {}, Wolf(100, 100, true), "The Wolf is already poisoned.\n", 100, 100, true},
        {&New<Lightning>, {}, Wolf(), "From your hand you summon a streak of lightning that hits the\n"
                                      "Wolf for 25 damage.\n", 75, 100, false},
        {&New<Soul_Charge>, {4}, Wolf(9, 9, true),
         "You begin to charge up a powerful beam of energy...\nYour spell fails.\n", 9, 9, true},
        {&New<Unpoison>, {}, Wolf(), "Wolf is not poisoned.\n", 100, 100, false},
        {&New<Unpoison>, {}, Wolf(100, 100, true), "Wolf is no longer poisoned.\n", 100, 100, false},
        {&New<Alchemy>, {}, Wolf(50, 500), kAlchemy + "You convert 50 gold into 50 HP.\n"
                                           "The Wolf has 0 gold left and now 100 HP.\n", 100, 500, false, "50\n", 0},
        {&New<Alchemy>, {}, Wolf(50, 500), kNoGold, 50, 500, false, "51\n"},
        {&New<Alchemy>, {}, Wolf(50, 500), kNoGold, 50, 500, false, "lots\n"},
        {&New<Alchemy>, {}, Wolf(50, 500), kNoGold, 50, 500, false, "-20\n"},  // would have cost HP
        {&New<Fusion>, {22}, Wolf(), "Your fusion fails.\n", 100, 100, false},
        {&New<Fusion>, {21}, Wolf(200, 200), kFusion, 1, 1, false},
        {&New<Fusion>, {1}, Wolf(8, 200), kFusion, 0, 1, false},
        {&New<Magic_Bullet>, {9}, Wolf(), "A magic bullet flies at the Wolf and hits him\nfor 19 damage.\n", 81, 100,
         false},
        {&New<For_Camelot>, {}, Wolf(), "You swing your sword high up in the air and shout\n"
                                        "\"For Camelot!\". Wolf is healed for\n20.\n", 100, 100, false},
        // a=6%4, thrown away, b=3%2, c=8%5, d=9%5, e=5%4, f=25%15, thrown away
        {&New<Black_Magic>, {6, 100, 3, 8, 9, 5, 25, 100}, Wolf(),
         "You cast a dark magic of black lightning, which hits the\n"
         "Wolf and explodes, dealing him for 61\ndamage.\n", 39, 100, false},
        {&New<Random>, {6}, Wolf(60), kMutter + "The Wolf is hit for 20 damage.\n", 40, 100, false},
        {&New<Random>, {1}, Wolf(60), kMutter + "The Wolf is now poisoned.\n", 60, 100, true},
        {&New<Random>, {2}, Wolf(60), kMutter + "The Wolf is healed for 50.\n", 100, 100, false},
        {&New<Random>, {3}, Wolf(60), kMutter + "The Wolf is now dead.\n", 0, 100, false},
        {&New<Random>, {4}, Wolf(60), kMutter + "The Wolf is now poisoned.\n", 60, 100, true},
        {&New<Random>, {4}, Wolf(60, 100, true), kMutter + "The Wolf takes 10 damage from poison.\n", 50, 100, true},
        {&New<Random>, {5}, Wolf(60), kMutter + "But nothing happens.\n", 60, 100, false},
        {&New<Parry>, {9}, Wolf(), "You parry the Wolf's attack and hit him\nback for 15 damage.\n", 85, 100, false},
        {&New<Parry>, {2}, Wolf(), "You fail the parry move, and end up hitting the Wolf\nfor 0 damage.\n", 100, 100,
         false},
        {&New<Head_Bash>, {}, Wolf(), "You run toward the Wolf, and then hit him\nwith your head for 5 damage.\n", 95,
         100, false},
        // x = 3, y = 4: 5 + 20 - 3 + 2; other words are passed over silently
        {&New<Vesk_Song>, {3, 4}, Wolf(), kSongs + "You sing a rock song, even though there is no music.\n"
                                                   "The Wolf is damaged for 24.\n", 76, 100, false, "4 rock\n1\n"},
        {&New<Vesk_Song>, {6, 0, 13}, Wolf(), kSongs + "You start to rap. You are a terrible rapper!\nThe Wolf is so "
         "annoyed about the song\nthat he hits himself on the head for 39 damage.\n", 61, 100, false, "2\n"},
        {&New<Vesk_Song>, {}, Wolf(), kSongs + "You begin to sing techno. The Wolf hates\n"
                                               "your song so much, that he is now poisoned.\n", 100, 100, true, "3\n"},
        {&New<Light_Orb2>, {49}, Wolf(), "You flash an extremely bright light at the Wolf.\n"
                                         "It blinds the Wolf, causing him to weaken from the light.\n"
                                         "The Wolf is hit for 59.\n", 41, 100, false},
        {&New<Unleash>, {4}, Wolf(200, 200), "You cast a blazing beam of fire, water, and energy at the\n"
                                             "Wolf. The Wolf is hit for\n180 damage.\n", 20, 200, false, "", 50, 1},
        {&New<Barrel_Fire>, {0}, Wolf(), kBarrel + "120\ndamage.\n\nWell, looks like the body is completely burned. "
                                                   "You won't be seeing that anymore.\n\n", 0, 100, false},
        {&New<Barrel_Fire>, {39}, Wolf(500, 500),
         kBarrel + "159\ndamage.\n\nUh oh, seems like the body is still alive.\n\n", 341, 500, false},
        {&New<Gods_Hand>, {}, Wolf(), "The Wolf is now poisoned. The punishment, has been\n"
                                      "done. He will have learned his lesson, from this day on.\n", 75, 100, true},
        {&New<Gods_Arrow>, {}, Wolf(), kArrow, 50, 100, false},
        {&New<Gods_Arrow>, {}, Wolf(1), kArrow, 0, 100, false},
        {&New<Gods_Arrow>, {}, Wolf(7), kArrow, 3, 100, false},
        {&New<Unleashed2>, {}, Wolf(101, 201), "With the 3 combined God spells, you charge a massive\n"
                                               "sphere of the combined elements of air, fire, water, earth,\n"
                                               "nature, light, dark, and wind, and blast it at the\nWolf. The Wolf is\n"
                                               "now poisoned, lost half his HP, lost half his Max HP limit,\n"
                                               "and is now, one of The Cursed.\n", 50, 100, true},
        {&New<Gods_Fire>, {}, Wolf(), "You see from the sky, God sends a massive string of flame, that comes\n"
                                      "flying at the Wolf. The Wolf\nis now poisoned, and has lost half his HP.\n",
         50, 100, true},
        {&New<Flamethrower>, {10, 45}, Wolf(), "You blow a huge flame at the Wolf. The\nWolf is hit for 215 damage.\n",
         0, 100, false},
        {&New<Flaming_Torch>, {5}, Wolf(), "You attempt to burn the Wolf using\nyour mind...\n"
                                           "The Wolf is hit for 500 damage.\n", 0, 100, false},
        {&New<Flaming_Torch>, {4}, Wolf(), "You attempt to burn the Wolf using\nyour mind...\nYour attack missed.\n",
         100, 100, false},
    };
    for (const CastRow& row : rows) {
        TestWorld world(row.input + "next\n");
        world.scripted.queue.assign(row.draws.begin(), row.draws.end());
        Entity target = row.before;
        row.make()->Cast(&target, 1);
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(world.Output(), row.expected);
        EXPECT_EQ(std::tuple(target.GetHP(), target.GetMaxHP(), target.IsPoisoned(), target.GetGold()),
                  std::tuple(row.hp, row.maxhp, row.poisoned, row.gold));
        EXPECT_EQ(world.scripted.draws, static_cast<int>(row.draws.size()));
        EXPECT_EQ(world.scripted.seeds, row.seeds);  // from the clock, which reads 1000
        EXPECT_EQ(world.scripted.lastSeed, row.seeds ? 1000u : 0u);
        EXPECT_EQ(io().ReadLine(), "next");
    }

    TestWorld silent("la la\n");  // no song named: the song waits for one until the input ends
    Entity wolf = Wolf();
    EXPECT_TRUE(silent.EndsGame([&] { Vesk_Song().Cast(&wolf, 1); }));
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
