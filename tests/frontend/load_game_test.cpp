#include <gtest/gtest.h>

#include <string>

#include "abilities/spells.h"
#include "frontend/load_game.h"
#include "frontend/new_game.h"
#include "frontend/stats.h"
#include "frontend/title.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

void GiveSpell(Player& hero, const char* name, Spell_Type type, int price) {
    Spell spell;
    spell.SetName(name);
    spell.SetSpellType(type);
    spell.SetPrice(price);
    hero.AddSpell(&spell);
}

int CountNamed(const Player& hero, std::string_view name) {
    int count = 0;
    for (const auto& spell : hero.GetSpell())
        if (spell && spell->GetName() == name) ++count;
    return count;
}

TEST(LoadGameTest, AWonHeroIsRefusedAndOneLineIsDiscarded) {
    TestWorld world;
    {
        Player winner;
        winner.SetKing(true);
        ASSERT_TRUE(winner.Save());
        ASSERT_TRUE(winner.SaveBank());
    }
    world.SetInput("anything at all\nnext line\n");
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(game); }));
    const std::string refusal =
        "You have already completed Vaskarn on this file.\n"
        "If you want to play the game again, start another file,\n"
        "and you can play that one. Plus, you can also reload\n"
        "your old bank file, if you're not playing in a zipped folder,\n"
        "and you can see the file Bank.dll.\n\n\n"
        "Congratulations, again, for winning the game, and\n"
        "Goodbye.\n\n"
        "-Odrin\n\n";
    const std::string out = world.Output();
    ASSERT_GE(out.size(), refusal.size());
    EXPECT_EQ(out.substr(out.size() - refusal.size()), refusal);
    EXPECT_EQ(io().ReadLine(), "next line");
}

TEST(LoadGameTest, RepairReplacesUnleashedOnceAndRefundsIt) {
    TestWorld world("\n\n");
    Player hero;
    GiveSpell(hero, "Fireball", ST_FIREBALL, 50);
    GiveSpell(hero, "Unleashed", ST_GENERIC, 5);
    hero.SetGold(10);
    world.TakeOutput();
    RepairUnleashed(hero);
    EXPECT_EQ(CountNamed(hero, "Unleashed"), 1);
    const Spell* repaired = hero.GetSpell()[1].get();
    ASSERT_TRUE(repaired);
    EXPECT_NE(dynamic_cast<const Unleashed2*>(repaired), nullptr);
    EXPECT_EQ(repaired->GetSpellType(), ST_UNLEASHED);
    EXPECT_EQ(repaired->GetMPCost(), 270);
    EXPECT_EQ(repaired->GetPower(), 200);
    EXPECT_EQ(repaired->GetPrice(), 600000);
    EXPECT_EQ(hero.GetGold(), 600010);
    EXPECT_EQ(world.Output(),
              "You already have the spell Unleashed.\n\nPress the Enter key to continue\n\n"
              "The bug has been fixed. Enjoy using your new spells!\n\nPress the Enter key to continue\n\n");
}

TEST(LoadGameTest, RepairWithoutTheSpellOnlyScolds) {
    TestWorld world("\n");
    Player hero;
    GiveSpell(hero, "unleashed", ST_GENERIC, 5);  // names compare exactly
    RepairUnleashed(hero);
    EXPECT_EQ(world.Output(), "You never had the spell before, Cheater!\n\nPress the Enter key to continue\n\n");
    EXPECT_EQ(hero.GetGold(), 100);
    EXPECT_EQ(CountNamed(hero, "Unleashed"), 0);
    ASSERT_TRUE(hero.GetSpell()[0]);
    EXPECT_EQ(hero.GetSpell()[0]->GetSpellType(), ST_GENERIC);
}

TEST(LoadGameTest, LoadGameRepairsOnlyWhenArmed) {
    TestWorld world;
    {
        Player saved;
        GiveSpell(saved, "Unleashed", ST_GENERIC, 5);
        ASSERT_TRUE(saved.Save());
        ASSERT_TRUE(saved.SaveBank());
    }
    GameState plain;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(plain); }));  // ends at the crossroads' first pause
    ASSERT_TRUE(plain.loaded.GetSpell()[0]);
    EXPECT_EQ(plain.loaded.GetSpell()[0]->GetSpellType(), ST_GENERIC);
    EXPECT_NE(world.TakeOutput().find("You stand where many roads meet"), std::string::npos);

    GameState armed;
    armed.repairUnleashed = true;
    world.SetInput("\n\n");
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(armed); }));
    ASSERT_TRUE(armed.loaded.GetSpell()[0]);
    EXPECT_EQ(armed.loaded.GetSpell()[0]->GetSpellType(), ST_UNLEASHED);
    EXPECT_NE(world.Output().find("The bug has been fixed."), std::string::npos);
    EXPECT_TRUE(armed.repairUnleashed);
}

TEST(LoadGameTest, NewHeroSavedFromTheStatusScreenComesBackTheSame) {
    TestWorld world;
    std::string firstSave;
    {
        // Create a Mage, open the status screen from the crossroads, save, then leave.
        world.SetInput("\nmerla\n2\n\n\n3\n\n11\n0\n\n10\n\n");
        GameState game;
        EXPECT_TRUE(world.EndsGame([&] { NewGame(game); }));
        EXPECT_NE(world.TakeOutput().find("Game Saved!"), std::string::npos);
        firstSave = *world.ReadFile("Player.dll");
    }
    world.SetInput("\n3\n\n6\n\n11\n0\n\n10\n\n");
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(game); }));
    const Player& hero = game.loaded;
    EXPECT_EQ(hero.GetName(), "Merla");
    EXPECT_EQ(hero.GetGroupName(), "Monk");
    EXPECT_EQ(hero.GetGroup(), 2);
    EXPECT_EQ(hero.GetWeapon()->GetName(), "Staff");
    EXPECT_NE(dynamic_cast<const Fireball*>(hero.GetSpell()[0].get()), nullptr);
    EXPECT_NE(world.Output().find("1. Fireball - MP Cost: 10 - Power: 10\n2. Minor Healing - MP Cost: 5 - Power: 20\n"),
              std::string::npos);
    // Saving the loaded hero again writes the very same bytes.
    EXPECT_EQ(*world.ReadFile("Player.dll"), firstSave);
}

}  // namespace
}  // namespace vaskarn
