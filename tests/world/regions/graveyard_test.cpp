#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/player.h"
#include "world/regions/graveyard.h"
#include "world/regions/late_heroes.h"

namespace vaskarn {
namespace {

using testing::kPause;
using testing::MakeChampion;
using testing::Pauses;
using testing::TestWorld;
using testing::WinKeys;

// The whole path with a champion who opens the red and the blue door before
// the green one: the fights come in order with their groups whole (the
// poisoned termites die of their poison in the fifth round), every answer
// to the stone is wrong, and the Shadow Spirit's fall completes the quest,
// which the status screen at the crossroads then saves.
TEST(GraveyardTest, TheWholePathInOrder) {
    const std::string input = "y\n" + WinKeys(1) + WinKeys(6) + WinKeys(5) + WinKeys(80, 5) + "137\n" + Pauses(4) +
                              WinKeys(36) + WinKeys(1) + "1\n\n2\n\n3\n\n" + WinKeys(1) + Pauses(4) + "3\n\n11\n0\n\n";
    TestWorld world(input);
    Player hero;
    MakeChampion(hero);
    hero.SetGold(0);
    const std::string out = testing::Visit(world, hero, graveyard);

    std::size_t at = 0;
    for (const std::string& step : {
             std::string("Be warned: you may not retreat"),
             std::string("\nZombie Warrior - 200/200 \n"),  // the battle's first list names the whole group
             std::string("\n6. Ent - 350/350 \n"),
             std::string("\n1. Ent Leader - 600/600 \n2. Zombie Ogre - 800/800 \n3. Dead Dog - 100/100 \n"
                         "4. Undead Rock Golem - 1500/1500 \n5. Undead Bird - 250/250 \n"),
             std::string("\n80. Termite - 50/50 (Poisoned)\n"),
             std::string("\n   (12 x 12) - (7 x 9) + 56 = ?\n\n>Wrong!\n" + kPause),
             std::string("jump into the well.\n"),
             std::string("\n36. Bat - 60/60 \n"),
             std::string("\nGiant Bat - 600/600 \n"),
             std::string("You lost all of your MP!\n"),
             std::string("You have been poisoned!\n"),
             std::string("into the last section of the graveyard.\n"),
             std::string("You take 10 damage from poison.\n"),
             std::string("\nShadow Spirit - 10000/10000 \n"),
             std::string("Congratulations! You have completed the Graveyard Of Spirits Quest!\n" + kPause +
                         "\n\n\n\nYou stand where many roads meet"),
         }) {
        const std::size_t found = out.find(step, at);
        ASSERT_NE(found, std::string::npos) << step;
        at = found + step.size();
    }
    const auto saved = world.ReadFile("Player.dll");
    ASSERT_TRUE(saved);
    EXPECT_EQ((*saved)[206], 1);  // the graveyard's flag
    EXPECT_TRUE(Holds(hero.GetBlessings(), "The Bringer Of Light"));
    EXPECT_TRUE(Holds(hero.GetGodPower(), "The Power Of The Shadows"));
    // Every monster of the path paid its gold, the termites too.
    EXPECT_EQ(hero.GetGold(), 1500 + 6 * 2500 + 104000 + 80 * 500 + 36 * 100 + 10000 + 600000);
    EXPECT_EQ(std::tuple(hero.GetMP(), hero.IsPoisoned()), std::tuple(0, true));  // the doors' harm stays
}

}  // namespace
}  // namespace vaskarn
