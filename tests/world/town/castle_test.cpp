#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "support/visit.h"
#include "world/town/castle.h"
#include "world/town/sword_master.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

constexpr int kMax = std::numeric_limits<int>::max();
using testing::kPause;

// Walks through the castle from its hall with `keys` until the input runs out.
std::string Visit(Player& hero, const std::string& keys) { return testing::Visit(hero, castle, keys); }

Armor Piece(int protection) {
    Armor armor;
    armor.CreateArmor("Piece", protection, 0);
    return armor;
}

// The values the Sword Master is built from; cape, shield and gauntlets never count.
void Equip(Player& hero, int level, int maxHP, int attack, int defense, int sword, int helm, int body, int legs) {
    hero.SetLevel(level);
    hero.SetMaxHP(maxHP);
    hero.SetAttack(attack);
    hero.SetDefense(defense);
    Weapon weapon;
    weapon.CreateWeapon("Sword", sword, 0);
    hero.SetWeapon(weapon);
    hero.SetHelm(Piece(helm));
    hero.SetPlatebody(Piece(body));
    hero.SetPlatelegs(Piece(legs));
}

using Values = std::array<int, 6>;  // HP, max HP, gold, XP, attack, defense

Values Of(const MonsterTemplate& m) { return {m.hp, m.maxhp, m.gold, m.xp, m.attack, m.defense}; }

// Each difficulty's master, and the strongest hero's, whose values stay
// within 32 bits without wrapping.
TEST(SwordMasterTest, IsBuiltFromTheHerosOwnValuesAtEachDifficulty) {
    Player hero;
    Equip(hero, 12, 300, 40, 30, 25, 20, 40, 30);
    hero.SetCape(Piece(7));
    hero.SetShield(Piece(9));
    hero.SetGauntlets(Piece(11));
    const Values expected[] = {
        {300, 290, 240, 120, 38, 28},   {300, 300, 480, 180, 40, 30},    {300, 310, 960, 480, 67, 35},
        {300, 320, 1200, 720, 100, 40}, {300, 350, 1800, 1200, 135, 75}, {300, 400, 2400, 1800, 225, 140},
    };
    for (int d = kEasiestSparring; d <= kHardestSparring; ++d) EXPECT_EQ(Of(SwordMaster(hero, d)), expected[d - 1]) << d;
    Equip(hero, kMax, kMax, 2000000000, kMax, kMax, kMax, kMax, kMax);
    EXPECT_EQ(Of(SwordMaster(hero, 1)), (Values{kMax, kMax - 10, kMax, kMax, 1999999998, kMax - 2}));
    EXPECT_EQ(Of(SwordMaster(hero, 6)), (Values{kMax, kMax, kMax, kMax, kMax, kMax}));
}

// A practice fight lost or fled costs nothing, and the hero is made whole.
TEST(CastleTest, TheSwordMasterFightsAtTheHerosMaxHPAndRestoresHim) {
    Player hero;
    hero.SetMaxHP(300);
    hero.SetHP(120);
    hero.SetPoisoned(true);
    hero.SetGold(77);
    const std::string out = Visit(hero, "1\n1\n\n\n\n7\n\n\n");  // draws are 0: the retreat gets away
    EXPECT_NE(out.find("Sword Master - 300/290 \n"), std::string::npos);
    EXPECT_NE(out.find("The Sword Master beat you.\n" + kPause + "Sword Master:\nHow hard"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetHP(), hero.IsPoisoned(), hero.GetGold()), std::tuple(300, false, 77));
}

TEST(CastleTest, TheSwordMasterGivesBackTheQuestGearOfEachQuestDone) {
    const struct { bool heaven, mountain; const char *weapon, *helm, *shield; } cases[] = {
        {false, false, "Bent Dagger", "", ""},
        {true, false, "Sword Of Light", "Magic Armor (Helm)", ""},
        {false, true, "Sword Of Eldmyrs", "Eldmyrs Helm", "Eldmyrs Shield"},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetHeaven(c.heaven);
        hero.SetMountain(c.mountain);
        const std::string out = Visit(hero, "1\n8\n\n9\n\n10\n\n");
        EXPECT_EQ(out.find("8. I would like my equipment back") != std::string::npos, c.heaven);
        EXPECT_EQ(out.find("9. I would like my Sword Of Eldmyrs back") != std::string::npos, c.mountain);
        EXPECT_EQ(out.find("10. I would like my Eldmyrs Armor back") != std::string::npos, c.mountain);
        EXPECT_EQ(std::tuple(std::string(hero.GetWeapon()->GetName()), std::string(hero.GetHelm()->GetName()),
                             std::string(hero.GetShield()->GetName()), hero.GetPlatebody()->GetProtection() > 0),
                  std::tuple(std::string(c.weapon), std::string(c.helm), std::string(c.shield), c.heaven || c.mountain));
    }
}

// The chef's meat costs 10 gold; the royal chamber is for level 10, and its
// table's gold costs 50 HP: a hero it kills is restored and loses half his
// gold, the table's included.
TEST(CastleTest, TheKitchensAndTheRoyalChamber) {
    const struct { const char* keys; int level, hp, gold, goldAfter, hpAfter; } cases[] = {
        {"2\n1\ny\n\n", 1, 10, 9, 9, 10},
        {"2\n1\ny\n\n", 1, 10, 10, 0, 40},
        {"3\ny\n\n", 9, 100, 101, 101, 100},
        {"3\ny\n\n", 10, 51, 101, 1101, 1},
        {"3\ny\n\n", 10, 50, 101, 550, 100},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(c.level);
        hero.SetMaxHP(100);
        hero.SetHP(c.hp);
        hero.SetGold(c.gold);
        Visit(hero, c.keys);
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP()), std::tuple(c.goldAfter, c.hpAfter)) << c.keys << c.hp;
    }
}

}  // namespace
}  // namespace vaskarn
