#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <tuple>

#include "model/player.h"
#include "support/test_world.h"
#include "world/town/castle.h"
#include "world/town/sword_master.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

constexpr int kMax = std::numeric_limits<int>::max();
const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kHall = "Where do you want to go?\n\n1. Sword Training Arena\n";
const std::string kCrossroads = "\n\n\n\nYou stand where many roads meet";

// Walks through the castle from its hall with `keys` until the input runs out.
std::string Visit(Player& hero, const std::string& keys) {
    TestWorld world(keys);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(castle); }));
    return world.Output();
}

Armor Piece(int protection) {
    Armor armor;
    armor.CreateArmor("Piece", protection, 0);
    return armor;
}

using Values = std::array<int, 6>;  // HP, max HP, gold, XP, attack, defense

Values Of(const MonsterTemplate& m) { return {m.hp, m.maxhp, m.gold, m.xp, m.attack, m.defense}; }

TEST(SwordMasterTest, IsBuiltFromTheHerosOwnValuesAtEachDifficulty) {
    Player hero;
    hero.SetLevel(12);
    hero.SetMaxHP(300);
    hero.SetAttack(40);
    hero.SetDefense(30);
    Weapon sword;
    sword.CreateWeapon("Sword", 25, 0);
    hero.SetWeapon(sword);
    hero.SetHelm(Piece(20));
    hero.SetPlatebody(Piece(40));
    hero.SetPlatelegs(Piece(30));
    hero.SetCape(Piece(7));  // cape, shield and gauntlets never count
    hero.SetShield(Piece(9));
    hero.SetGauntlets(Piece(11));
    const Values expected[] = {
        {300, 290, 240, 120, 38, 28},   {300, 300, 480, 180, 40, 30},    {300, 310, 960, 480, 67, 35},
        {300, 320, 1200, 720, 100, 40}, {300, 350, 1800, 1200, 135, 75}, {300, 400, 2400, 1800, 225, 140},
    };
    for (int d = kEasiestSparring; d <= kHardestSparring; ++d) EXPECT_EQ(Of(SwordMaster(hero, d)), expected[d - 1]) << d;
}

// Every value of the strongest hero stays within 32 bits, and none wraps.
TEST(SwordMasterTest, TheStrongestHeroGetsNoWrappedMaster) {
    Player hero;
    hero.SetLevel(kMax);
    hero.SetMaxHP(kMax);
    hero.SetAttack(2000000000);
    hero.SetDefense(kMax);
    Weapon sword;
    sword.CreateWeapon("Sword", kMax, 0);
    hero.SetWeapon(sword);
    hero.SetHelm(Piece(kMax));
    hero.SetPlatebody(Piece(kMax));
    hero.SetPlatelegs(Piece(kMax));
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
    EXPECT_NE(out.find("The Sword Master beat you.\n" + P + "Sword Master:\nHow hard"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetHP(), hero.IsPoisoned(), hero.GetGold()), std::tuple(300, false, 77));
}

TEST(CastleTest, TheSwordMasterGivesBackTheQuestGearOfEachQuestDone) {
    const struct {
        bool heaven;
        bool mountain;
        const char* weapon;
        const char* helm;
        const char* shield;
    } cases[] = {
        {false, false, "Bronze Dagger", "", ""},
        {true, false, "Sword Of Light", "Magic Armor (Helm)", ""},
        {false, true, "Sword Of Eldmyrs", "Eldmyrs Helm", "Eldmyrs Shield"},
        {true, true, "Sword Of Eldmyrs", "Eldmyrs Helm", "Eldmyrs Shield"},
    };
    for (const auto& c : cases) {
        Player hero;
        Weapon dagger;
        dagger.CreateWeapon("Bronze Dagger", 6, 0);
        hero.SetWeapon(dagger);
        hero.SetHeaven(c.heaven);
        hero.SetMountain(c.mountain);
        const std::string out = Visit(hero, "1\n8\n\n9\n\n10\n\n");
        EXPECT_EQ(out.find("8. I would like my equipment back") != std::string::npos, c.heaven);
        EXPECT_EQ(out.find("9. I would like my Sword Of Eldmyrs back") != std::string::npos, c.mountain);
        EXPECT_EQ(out.find("10. I would like my Eldmyrs Armor back") != std::string::npos, c.mountain);
        EXPECT_EQ(hero.GetWeapon()->GetName(), c.weapon);
        EXPECT_EQ(hero.GetHelm()->GetName(), c.helm);
        EXPECT_EQ(hero.GetShield()->GetName(), c.shield);
        EXPECT_EQ(hero.GetPlatebody()->GetProtection() > 0, c.heaven || c.mountain);
    }
}

TEST(CastleTest, TheChefSellsMeatOnlyForTenCoins) {
    Player hero;
    hero.SetMaxHP(100);
    hero.SetHP(10);
    hero.SetGold(9);
    std::string out = Visit(hero, "2\n1\ny\n\n");
    EXPECT_NE(out.find("(y/n)\n>\n\nYou don't have enough money.\n" + P + "1. Chef\n"), std::string::npos);
    EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP()), std::tuple(9, 10));
    hero.SetGold(10);
    Visit(hero, "2\n1\ny\n\n");
    EXPECT_EQ(hero.GetGold(), 0);
    EXPECT_GT(hero.GetHP(), 10);
}

// The table's gold costs 50 HP; a hero it kills is restored, loses half his
// gold (the table's included) and wakes at the crossroads.
TEST(CastleTest, TheRoyalChamberIsForLevelTenAndItsGoldCanKill) {
    const struct {
        int level;
        int hp;
        const char* words;
        const std::string& landing;
        int gold;
        int hpAfter;
    } cases[] = {
        {9, 100, "Guards: I'm sorry, but you have to be at least level 10 to visit\nthe royal chamber.\n", kHall, 101, 100},
        {10, 51, "You lose 50 HP.\n", kHall, 1101, 1},
        {10, 50, "You lose 50 HP.\nYou died.\n", kCrossroads, 550, 100},
    };
    for (const auto& c : cases) {
        Player hero;
        hero.SetLevel(c.level);
        hero.SetMaxHP(100);
        hero.SetHP(c.hp);
        hero.SetMP(0);
        hero.SetGold(101);
        const std::string out = Visit(hero, "3\ny\n\n");
        EXPECT_NE(out.find(c.words + P + c.landing), std::string::npos) << c.hp;
        EXPECT_EQ(std::tuple(hero.GetGold(), hero.GetHP()), std::tuple(c.gold, c.hpAfter)) << c.hp;
    }
}

}  // namespace
}  // namespace vaskarn
