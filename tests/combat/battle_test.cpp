#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combat/battle_fixture.h"

namespace vaskarn {
namespace {

using namespace testing;

TEST(BattleTest, MeleeWinPaysTheRewardOnce) {
    Fight f({5});
    EXPECT_TRUE(f.Run({"1", "1"}));
    EXPECT_EQ(f.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40)) + "You hit the Rat for 3 damage.\n" + P +
                                    "The Rat hit you for 0 damage.\n" + P + Round("Rat - 2/5 \n", Status(40)) +
                                    "You hit the Rat for 3 damage.\n" + P + Kill("Rat", "You gain") + kWin);
    EXPECT_EQ(f.hero.GetXP(), 2);
    EXPECT_EQ(f.hero.GetGold(), 103);
}

TEST(BattleTest, SpellsOnTheOnlyMonsterAndOnOneOfSeveral) {
    Fight one({5});
    one.hero.GetSpell()[1] = std::make_unique<Bolt>();
    EXPECT_TRUE(one.Run({"2", "2", "1"}));
    EXPECT_EQ(one.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40)) +
                                      "2. Bolt - MP Cost: 5\n\n0. Cancel\n>" +
                                      "Target?\n\n2. Self\n1. Rat\n\n0. Cancel\n>Bolt hits Rat.\n" + P +
                                      Kill("Rat", "You get") + kWin);

    Fight two({5, 5});
    two.hero.GetSpell()[0] = std::make_unique<Bolt>();
    EXPECT_TRUE(two.Run({"2", "1", "2", "2", "1", "1"}));
    const std::string list = "1. Bolt - MP Cost: 5\n\n0. Cancel\n>Target?\n\n3. Self\n";
    EXPECT_EQ(two.world.Output(),
              kOpening + Round("1. Rat - 5/5 \n2. Bat - 5/5 \n\n", Status(40)) + list +
                  "1. Rat - 5/5 \n2. Bat - 5/5 \n\n\n0. Cancel\n>Bolt hits Bat.\n" + P + Kill("Bat", "You gain") +
                  "The Rat hit you for 0 damage.\n" + P + Round("1. Rat - 5/5 \n\n", Status(40, 5)) + list +
                  "1. Rat - 5/5 \n\n\n0. Cancel\n>Bolt hits Rat.\n" + P + Kill("Rat", "You gain") + kWin);
    EXPECT_EQ(two.hero.GetMP(), 0);  // the last cast cost exactly what was left
}

TEST(BattleTest, PotionsThenAttackAndASpecialAttack) {
    Fight f({3});
    f.hero.SetHP(30);
    Potion tonic, mana;
    tonic.CreatePotion("Tonic", 10, 0, 5);
    mana.CreatePotion("Mana Potion", 0, 5, 5);
    mana.SetAmount(2);
    f.hero.GetPotion()[0] = std::make_unique<Potion>(&tonic);
    f.hero.GetPotion()[1] = std::make_unique<Potion>(&mana);
    EXPECT_TRUE(f.Run({"3", "1", "3", "2", "1"}));
    const std::string mana_line = "2. Mana Potion (2) - HP Restore: 0 :: MP Restore: 5\n\n0. Cancel\n>";
    const std::string hit = "The Rat hit you for 0 damage.\n" + P;
    // The emptied first slot is gone from the second list; drinking at full MP is allowed.
    EXPECT_EQ(f.world.Output(), kOpening + Round("Rat - 3/3 \n", Status(30)) +
                                    "1. Tonic (1) - HP Restore: 10 :: MP Restore: 0\n" + mana_line +
                                    "You drink the Tonic.\nYou get restored for 10 HP and 0 MP.\n" + P + hit +
                                    Round("Rat - 3/3 \n", Status(40)) + mana_line +
                                    "You drink the Mana Potion.\nYou get restored for 0 HP and 5 MP.\n" + P + hit +
                                    Round("Rat - 3/3 \n", Status(40)) + "You hit the Rat for 3 damage.\n" + P +
                                    Kill("Rat", "You gain") + kWin);
    EXPECT_EQ(f.hero.GetPotion()[0], nullptr);
    ASSERT_NE(f.hero.GetPotion()[1], nullptr);
    EXPECT_EQ(f.hero.GetPotion()[1]->GetAmount(), 1);

    Fight s({5});
    s.hero.GetSpecialAttack()[0] = std::make_unique<Slash>();
    EXPECT_TRUE(s.Run({"4", "1", "1"}));
    EXPECT_EQ(s.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40)) +
                                    "1. Slash - Energy Cost: 5 :: Power: 10\n\n0. Cancel\n>" +
                                    "2. Self\n1. Rat - 5/5 \n\n\n0. Cancel\n>Slash hits Rat.\n" + P +
                                    Kill("Rat", "You get") + kWin);
    EXPECT_EQ(s.hero.GetEnergy(), 15);
}

TEST(BattleTest, BowMovesAndAMonsterDyingOfPoison) {
    Fight shot({5});
    shot.GiveBow(20);
    EXPECT_TRUE(shot.Run({"6", "1"}));
    EXPECT_EQ(shot.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40, 10, 20, 20)) + kBowMenu +
                                       "You hold up your Yew Bow, and shoot an arrow at the Rat.\n"
                                       "The Rat is hit for 10.\n" + P + Kill("Rat", "You get") + kWin);

    Fight rain({5, 25});
    rain.GiveBow(20);
    rain.world.scripted.Push({4});  // rainfire: 1 + 4 per arrow
    EXPECT_TRUE(rain.Run({"6", "2", "2", "3", "6", "1", "1"}));
    EXPECT_EQ(rain.world.Output(),
              kOpening + Round("1. Rat - 5/5 \n2. Bat - 25/25 \n\n", Status(40, 10, 20, 20)) + kBowMenu +
                  "\nTarget?\n\n1. Rat - 5/5 \n2. Bat - 25/25 \n\n\n0. Cancel\n>" +
                  "How many arrows would you like to fire? (1 - 10)\n>" +
                  "You hold out 3 arrows and rain down a group of them\nat the Bat. The Bat is hit for 25.\n" + P +
                  Kill("Bat", "You get") + "The Rat hit you for 0 damage.\n" + P +
                  Round("1. Rat - 5/5 \n\n", Status(40, 10, 20, 17)) + kBowMenu + "1. Rat - 5/5 \n\n0. Cancel\n>" +
                  "You hold up your Yew Bow and shoot an arrow at the Rat\nThe Rat is hit for 10.\n" + P +
                  Kill("Rat", "You get") + kWin);

    Fight blight({5});
    blight.GiveBow(1);
    EXPECT_TRUE(blight.Run({"6", "3"}));
    EXPECT_EQ(blight.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40, 10, 20, 1)) + kBowMenu +
                                         "You fire a poisoned arrow at the Rat.\n"
                                         "You watch as the blight hits the Rat for 0.\n" + P +
                                         "The Rat takes 10 damage from poison.\n" + P + Kill("Rat", "You gain") +
                                         kWin);
    EXPECT_EQ(blight.hero.GetArrows(), 0);
}

TEST(BattleTest, AFallenHeroIsSlainAtTheStartOfTheNextRound) {
    // The hero's poison bites every round; at 10 HP it fells him before the menu.
    Fight f({5});
    f.hero.SetHP(20);
    f.hero.SetPoisoned(true);
    std::string status = Status(10);
    status.replace(status.find(" \n"), 2, " (Poisoned) \n");
    const std::string poison = "\n\nYou take 10 damage from poison.\n" + P;
    EXPECT_FALSE(f.Run({"1"}));
    EXPECT_EQ(f.world.Output(), kOpening + poison + "Rat - 5/5 \n\n\n" + status + kMenu +
                                    "You hit the Rat for 3 damage.\n" + P + "The Rat hit you for 0 damage.\n" + P +
                                    poison + "You have been slain.\n" + P);

    // A poisoned monster that outlives its poison still strikes; once the hero
    // falls, the monsters after it do nothing.
    Fight pack({15, 5});
    pack.hero.SetHP(1);
    pack.group[0].SetAttack(5);
    pack.group[0].SetPoisoned(true);
    pack.group[1].SetPoisoned(true);
    EXPECT_FALSE(pack.Run({"1", "1"}));
    EXPECT_TRUE(pack.world.Output().ends_with("You hit the Rat for 3 damage.\n" + P +
                                              "The Rat takes 10 damage from poison.\n" + P +
                                              "The Rat hit you for 4 damage.\n" + P + "You have been slain.\n" + P));
    EXPECT_EQ(pack.group[1].GetHP(), 5);
}

TEST(BattleTest, RetreatFleesWholeOrHalvedOrFails) {
    const std::string lucky =
        "You run as quickly as you can out of the area, and luckily,\nyou make it without being harmed.\n";
    const std::string hurt = "You run as quickly as you can out of the area, but\nyou get hit and lose half your HP.\n";
    struct Case { unsigned roll; int hp; int after; std::string text; };
    for (const Case& c : {Case{2, 9, 9, lucky}, Case{3, 9, 4, hurt}, Case{3, 1, 0, hurt}}) {
        Fight f({5});
        f.hero.SetHP(c.hp);
        f.world.scripted.Push({c.roll});
        EXPECT_FALSE(f.Run({"7"}));
        EXPECT_EQ(f.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(c.hp)) + c.text + P);
        EXPECT_EQ(f.hero.GetHP(), c.after);
    }
    Fight stuck({5});
    stuck.world.scripted.Push({4});
    EXPECT_TRUE(stuck.world.EndsGame([&] { stuck.Run({"7"}); }));
    EXPECT_EQ(stuck.world.Output(), kOpening + Round("Rat - 5/5 \n", Status(40)) + "You fail to escape.\n" + P +
                                        "The Rat hit you for 0 damage.\n" + P + "\n\nRat - 5/5 \n\n\n" + Status(40) +
                                        kMenuAsked);
}

// The level menus' texts are the progression tests' business.
TEST(BattleTest, WinGrantsTheTitleOfTheStartingLevelThenLevelsUp) {
    Fight f({3});
    f.hero.SetLevel(5);
    f.group[0].SetXP(1080);  // enough for level 6, and for level 7 after it
    EXPECT_TRUE(f.Run({"1", "3", "3", "3", "3", "3", "3", "3", "3"}));
    const std::string out = f.world.Output();
    const std::string title = kWin + "You are now in the Long Swordsman class!\n" + P + "You are now level 6!";
    const std::size_t at = out.find(title);
    EXPECT_NE(at, std::string::npos);
    EXPECT_NE(out.find("You are now level 7!", at), std::string::npos);
    EXPECT_EQ(f.hero.GetLevel(), 7);
}

TEST(BattleTest, DefensiveStanceCostsEnergyEachRoundUntilItRunsOut) {
    Fight f({100});
    f.group[0].SetAttack(10);
    f.hero.SetDefense(3);
    f.hero.SetEnergy(15);
    EXPECT_FALSE(f.Run({"5", "1", "7"}));  // the last roll (0) lets the hero flee
    EXPECT_EQ(f.world.Output(),
              kOpening + Round("Rat - 100/100 \n", Status(40, 10, 15)) + "You start defending.\n" + P + "\n\n" +
                  "The Rat hit you for 1 damage.\n" + P + Round("Rat - 100/100 \n", Status(39, 10, 5, 0, true)) +
                  "You hit the Rat for 3 damage.\n" + P + "The Rat hit you for 1 damage.\n" + P +
                  "\n\nRat - 97/100 \n\n\nYou don't have enough energy to defend anymore.\n" + P + Status(38, 10, 5) +
                  kMenu + "You run as quickly as you can out of the area, and luckily,\n"
                          "you make it without being harmed.\n" + P);
    EXPECT_EQ(f.group[0].GetAttack(), 10);

    Fight held({100, 0});
    held.hero.SetDefense(3);
    EXPECT_TRUE(held.world.EndsGame([&] { held.Run({"5"}); }));
    EXPECT_EQ(held.group[1].GetAttack(), -5);  // the dead Bat's too

    Fight twice({100});
    twice.group[0].SetAttack(10);
    twice.hero.SetDefense(3);
    EXPECT_TRUE(twice.world.EndsGame([&] { twice.Run({"5", "5"}); }));
    EXPECT_EQ(twice.group[0].GetAttack(), 10);
    EXPECT_NE(twice.world.Output().find(Status(39, 10, 10, 0, true) + kMenu + "You stop defending.\n" + P + kMenuAsked),
              std::string::npos);
}

TEST(BattleTest, EightyMonstersAreNumberedAndFoughtToTheEnd) {
    Fight f(std::vector<int>(80, 1));
    std::vector<std::string> keys;
    for (int i = 1; i <= 80; ++i) keys.insert(keys.end(), {"1", std::to_string(i)});
    f.hero.SetLevel(11);  // no title and no level-up menu after the win
    EXPECT_TRUE(f.Run(keys, 100));
    const std::string out = f.world.Output();
    EXPECT_NE(out.find("\n\n1. Rat - 1/1 \n2. Bat - 1/1 \n3. Rat - 1/1 \n"), std::string::npos);
    EXPECT_NE(out.find("79. Rat - 1/1 \n80. Rat - 1/1 \n\n\n0. Cancel\n>"), std::string::npos);
    EXPECT_NE(out.find("\n\n\n\n41. Rat - 1/1 \n42. Rat"), std::string::npos);  // 1 to 40 dead, not shown
    EXPECT_NE(out.find("Which monster?\n\n80. Rat - 1/1 \n\n\n0. Cancel\n>"), std::string::npos);
    EXPECT_EQ(f.hero.GetXP(), 160);
    EXPECT_EQ(out.substr(out.size() - kWin.size()), kWin);
}

}  // namespace
}  // namespace vaskarn
