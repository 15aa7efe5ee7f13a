#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/attacks.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kPause = "\nPress the Enter key to continue\n\n";

Monster MakeMonster(const char* name, int hp, int attack, int defense) {
    Monster m;
    m.CreateMonster(name, hp, hp, 0, 0, attack, defense, 0);
    return m;
}

TEST(PlayerAttackTest, DamageIsAttackQuarterStrengthWeaponAndSpreadLessDefense) {
    TestWorld world("\n\n\n\n\n");
    Player hero;
    hero.SetAttack(20);
    hero.SetStrength(10);
    hero.GetWeapon()->SetDamage(5);
    Monster wolf = MakeMonster("Wolf", 50, 0, 3);

    world.scripted.Push({4, 0, 0, 0});  // a, b, miss roll, poison roll
    EXPECT_TRUE(PlayerAttack(&hero, &wolf));
    EXPECT_EQ(world.TakeOutput(), "You hit the Wolf for 28 damage.\n" + kPause);
    EXPECT_EQ(wolf.GetHP(), 22);
    EXPECT_EQ(world.scripted.seeds, 1);

    world.scripted.Push({4, 0, 9, 5});  // the miss roll wins over a poison roll
    EXPECT_FALSE(PlayerAttack(&hero, &wolf));
    EXPECT_EQ(world.TakeOutput(), "You missed the Wolf.\n" + kPause);
    EXPECT_EQ(wolf.GetHP(), 22);
    EXPECT_FALSE(wolf.IsPoisoned());

    world.scripted.Push({0, 4, 8, 5});  // every other miss roll lands; poison even on the killing blow
    EXPECT_TRUE(PlayerAttack(&hero, &wolf));
    EXPECT_EQ(world.TakeOutput(), "You hit the Wolf for 20 damage.\nYou poisoned the Wolf luckily.\n" + kPause);
    EXPECT_EQ(wolf.GetHP(), 2);
    EXPECT_TRUE(wolf.IsPoisoned());

    Monster golem = MakeMonster("Golem", 9, 0, 100);
    world.scripted.Push({4, 0, 0, 0});
    EXPECT_TRUE(PlayerAttack(&hero, &golem));
    EXPECT_EQ(world.TakeOutput(), "You hit the Golem for 0 damage.\n" + kPause);
    EXPECT_EQ(golem.GetHP(), 9);
}

TEST(MonsterAttackTest, BlowsMissesFierceBlowsAndPoison) {
    TestWorld world;
    Player hero;
    hero.SetDefense(5);
    hero.GetHelm()->SetProtection(3);
    hero.GetShield()->SetProtection(5);
    Monster ogre = MakeMonster("Ogre", 30, 10, 0);

    world.scripted.Push({8, 10, 2, 0, 0, 0, 0});  // bonus roll, bonus, x, y, miss, fierce, poison
    EXPECT_TRUE(MonsterAttack(&ogre, &hero));
    EXPECT_EQ(world.TakeOutput(), "The Ogre hit you for 9 damage.\n");  // no pause of its own
    EXPECT_EQ(hero.GetHP(), 31);

    world.scripted.Push({7, 2, 0, 0, 0, 17});  // no bonus draw below 8; armour holds to 0
    const int before = world.scripted.draws;
    MonsterAttack(&ogre, &hero);
    EXPECT_EQ(world.scripted.draws - before, 6);
    EXPECT_EQ(world.TakeOutput(), "The Ogre hit you for 0 damage.\nThe Ogre has poisoned you.\n");
    EXPECT_TRUE(hero.IsPoisoned());

    hero.SetPoisoned(false);
    world.scripted.Push({9, 10, 2, 0, 3, 21, 17});  // a miss never poisons, even a fierce one
    MonsterAttack(&ogre, &hero);
    EXPECT_EQ(world.TakeOutput(), "The Ogre has missed you.\n");
    EXPECT_EQ(hero.GetHP(), 31);
    EXPECT_FALSE(hero.IsPoisoned());

    // Fierce: attack / 4 + plain damage + r - defense, the defense counted twice.
    Monster troll = MakeMonster("Troll", 30, 40, 0);
    hero.GetHelm()->SetProtection(0);
    hero.GetShield()->SetProtection(0);
    world.scripted.Push({0, 1, 0, 0, 21, 0, 4});
    MonsterAttack(&troll, &hero);
    EXPECT_EQ(world.TakeOutput(), "The Troll fiercely attacked you for 45 damage.\n");
    EXPECT_EQ(hero.GetHP(), 0);

    // An attack lowered below zero by the stance: -21 / 4 truncates to -5.
    hero.SetHP(40);
    hero.SetDefense(1);
    troll.SetAttack(-21);
    world.scripted.Push({9, 10, 2, 0, 0, 39, 0, 10});
    MonsterAttack(&troll, &hero);
    EXPECT_EQ(world.TakeOutput(), "The Troll fiercely attacked you for 4 damage.\n");
}

TEST(ListMonstersTest, DeadMonstersKeepTheirNumbersButAreNotShown) {
    TestWorld world;
    std::vector<Monster> group{MakeMonster("Bat", 4, 0, 0), MakeMonster("Ghoul", 6, 0, 0), MakeMonster("Rat", 5, 0, 0)};
    group[0].LoseHP(1);
    group[1].LoseHP(6);
    group[2].SetPoisoned(true);
    ListMonsters(group.data(), 3);
    EXPECT_EQ(world.Output(), "1. Bat - 3/4 \n3. Rat - 5/5 (Poisoned)\n\n");
}

}  // namespace
}  // namespace vaskarn
