#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/services.h"
#include "frontend/stats.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

const std::string kMenu =
    "1. View Quest Log \n2. View Inventory \n3. View Equipment \n4. God Powers Obtained \n"
    "5. Blessings Earned \n6. Spells Learned \n7. Potion Inventory \n8. Crafting Skills \n"
    "9. Special Attacks Learned \n10. View Quiver \n11. Save Game \n12. View Clock \n0. Return To Game \n>";
const std::string kPause = "\nPress the Enter key to continue\n\n";

// One pass of the status menu with `choice` typed (and Enter for a pause);
// returns what was written after the menu's prompt.
std::string Pick(TestWorld& world, Player& hero, const std::string& choice, Transition* next = nullptr) {
    world.SetInput(choice + "\n\n");
    world.TakeOutput();
    const Transition moved = statsmenu(&hero);
    if (next) *next = moved;
    const std::string out = world.TakeOutput();
    EXPECT_EQ(out.substr(0, kMenu.size()), kMenu);
    return out.substr(kMenu.size());
}

TEST(StatsTest, HeaderShowsTheHeroThenMovesToTheMenu) {
    TestWorld world("\n");
    Player hero;
    hero.SetName("Ayla");
    hero.SetGroupName("Knave");
    hero.SetLevel(3);
    hero.SetPoisoned(true);
    EXPECT_EQ(stats(&hero).target, &statsmenu);
    EXPECT_EQ(world.Output(),
              "\nAyla the Knave - Level 3 (Poisoned) \n\n"
              "Combat Stats\n\nAttack: 1\nDefense: 1\nStrength: 1\n\n"
              "Player Attributes\n\nHP: 40/40\nMP: 10/10\nEnergy: 20/20\nGold: 100\nXP: 0\n"
              "Next Level At: 270\n\n" +
                  kPause);
    world.TakeOutput();
    world.SetInput("\n");
    hero.SetPoisoned(false);
    hero.SetLevel(50000);  // the square would overflow an int
    stats(&hero);
    EXPECT_NE(world.Output().find(" - Level 50000 \n\n"), std::string::npos);
    EXPECT_NE(world.Output().find("Next Level At: 2147483647\n"), std::string::npos);
}

TEST(StatsTest, MenuReadsOneWordAndMatchesExactly) {
    TestWorld world;
    Player hero;
    Transition next;
    EXPECT_EQ(Pick(world, hero, "0", &next), "\n\n");
    EXPECT_EQ(next.kind, Transition::Kind::Back);
    EXPECT_EQ(Pick(world, hero, "011", &next), "\n\n");  // nothing, no pause
    EXPECT_EQ(next.kind, Transition::Kind::Stay);
    EXPECT_EQ(Pick(world, hero, "  1 and more", &next),
              "\n\nYou currently have no quests complete.\n" + kPause);
    EXPECT_EQ(next.kind, Transition::Kind::Stay);
}

TEST(StatsTest, QuestLogListsSetFlagsInItsOwnOrder) {
    TestWorld world;
    Player hero;
    hero.SetKing(true);
    hero.SetSwamp(true);
    hero.SetForest2(true);
    // Only the first three quests silence the "no quests" line.
    EXPECT_EQ(Pick(world, hero, "1"),
              "\n\nYou currently have no quests complete.\nElven Forest Quest Complete\n"
              "Swamplands Quest Complete\nKing Quest Complete\n\n" +
                  kPause);
    hero.SetMeadow(true);
    hero.SetVroengard(true);
    EXPECT_EQ(Pick(world, hero, "1"),
              "\n\nMeadow Quest Complete\nElven Forest Quest Complete\nSwamplands Quest Complete\n"
              "Vroengard Complete\nKing Quest Complete\n\n" +
                  kPause);
}

TEST(StatsTest, CollectionsAreNumberedBySlotAndShowTheEmptyLineWhenTheFirstSlotIsFree) {
    TestWorld world;
    Player hero;
    EXPECT_EQ(Pick(world, hero, "7"), "\n\nPotions\n\nYou have no potions.\n\n" + kPause);
    hero.GetPotion()[4] = std::make_unique<Potion>();
    hero.GetPotion()[4]->CreatePotion("Small Health Potion", 20, 0, 25);
    hero.GetPotion()[4]->SetAmount(3);
    EXPECT_EQ(Pick(world, hero, "7"),
              "\n\nPotions\n\nYou have no potions.\n\n"
              "5. Small Health Potion (3) - HP Restore: 20 :: MP Restore: 0\n" +
                  kPause);

    hero.GetInventory()[0] = std::make_unique<Inventory>();
    hero.GetInventory()[0]->CreateItem("Old Key", 15);
    EXPECT_EQ(Pick(world, hero, "2"), "\n\nInventory\n\n1. Old Key - Value: 15\n" + kPause);
    EXPECT_EQ(Pick(world, hero, "4"), "\n\nGod Powers\n\nYou have no god powers.\n" + kPause);
    hero.GetBlessings()[1] = std::make_unique<Blessings>();
    hero.GetBlessings()[1]->CreateBlessing("Grace", 7);
    EXPECT_EQ(Pick(world, hero, "5"), "\n\nBlessings\n\nYou have no blessings.\n2. Grace - Value: 7\n" + kPause);
    EXPECT_EQ(Pick(world, hero, "6"), "\n\nSpells\n\nYou have no spells.\n\n" + kPause);
    EXPECT_EQ(Pick(world, hero, "9"), "\n\nSpecial Attacks\n\nYou have no special attacks.\n" + kPause);
}

TEST(StatsTest, EquipmentAddsUpTheSixPieces) {
    TestWorld world;
    Player hero;
    Armor gauntlets;
    gauntlets.CreateArmor("Iron Gauntlets", 3, 40);
    hero.SetGauntlets(gauntlets);
    EXPECT_EQ(Pick(world, hero, "3"),
              "\n\nWeapon: Bent Dagger\nAtk Power: 2\n\nHelm: \nProtection: 0\n\nCape: \nProtection: 0\n\n"
              "Platebody: \nProtection: 0\n\nPlatelegs: \nProtection: 0\n\nShield: \nProtection: 0\n\n"
              "Gauntlets: Iron Gauntlets\nProtection: 3\n\nTotal Protection: 3\n" +
                  kPause);
}

TEST(StatsTest, CraftingAndQuiver) {
    TestWorld world;
    Player hero;
    hero.SetHerbloreLevel(3);
    hero.SetSmithingXP(12);
    hero.SetTokens(4);
    EXPECT_EQ(Pick(world, hero, "8"),
              "\n\nHerblore Level: 3\nHerblore XP: 0\nNext Level At: 180\n\n"
              "Smithing Level: 1\nSmithing XP: 12\nNext Level At: 20\n\n"
              "Crafting Materials\n\nTokens: 4\nBars: 0\n" +
                  kPause);
    EXPECT_EQ(Pick(world, hero, "10"), "\n\nYou don't have a bow yet.\n\n\n" + kPause);
    hero.SetBow(true);
    hero.SetBowName("Shortbow");
    hero.SetBowPower(3);
    hero.SetArrows(50);
    EXPECT_EQ(Pick(world, hero, "10"), "\n\nBow: Shortbow\nRanged Power: 3\n\nArrows: 50\n" + kPause);
}

TEST(StatsTest, PlayClockSplitsProcessTime) {
    const PlayTime t = PlayTimeFromMillis(3725999);
    EXPECT_EQ(t.hours, 1);
    EXPECT_EQ(t.minutes, 2);
    EXPECT_EQ(t.seconds, 5);
    const PlayTime days = PlayTimeFromMillis(100LL * 3600 * 1000 + 59999);
    EXPECT_EQ(days.hours, 100);  // hours are not reduced
    EXPECT_EQ(days.minutes, 0);
    EXPECT_EQ(days.seconds, 59);
    const PlayTime before = PlayTimeFromMillis(-5000);
    EXPECT_EQ(before.hours + before.minutes + before.seconds, 0);

    TestWorld world;
    world.clock.SetProcessMillis(3725000);
    Player hero;
    EXPECT_EQ(Pick(world, hero, "12"), "\n\nGame Time Play\nHours: 1\nMinutes: 2\nSeconds: 5\n\n" + kPause);
}

TEST(StatsTest, SaveWritesBothFilesAndShowsTheMenuAgainAtOnce) {
    TestWorld world;
    Player hero;
    hero.SetBankAmount(10);
    EXPECT_EQ(Pick(world, hero, "11"), "\n\n\nGame Saved!\n\n\n\n");
    EXPECT_TRUE(world.ReadFile("Player.dll"));
    EXPECT_EQ(world.ReadFile("Bank.dll"), std::string("\x0a\0\0\0", 4));
}

TEST(StatsTest, AFailedSaveSaysSoAndKeepsThePreviousFiles) {
    TestWorld world;
    world.WriteFile("Player.dll", "old hero");
    world.WriteFile("Bank.dll", "old!");
    // The save cannot put its new file in place.
    std::filesystem::create_directory(world.Dir() / "Player.dll.tmp");
    Player hero;
    const std::string out = Pick(world, hero, "11");
    EXPECT_EQ(out, "\n\n\nThe game could not be saved.\n\n\n\n");
    EXPECT_EQ(world.ReadFile("Player.dll"), "old hero");
    EXPECT_EQ(world.ReadFile("Bank.dll"), "old!");

    std::filesystem::remove(world.Dir() / "Player.dll.tmp");
    std::filesystem::create_directory(world.Dir() / "Bank.dll.tmp");
    EXPECT_EQ(Pick(world, hero, "11"), "\n\n\nThe game could not be saved.\n\n\n\n");
    EXPECT_EQ(world.ReadFile("Bank.dll"), "old!");
}

}  // namespace
}  // namespace vaskarn
