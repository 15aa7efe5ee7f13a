#include <gtest/gtest.h>

#include <string>

#include "abilities/spells.h"
#include "app/load_game.h"
#include "app/title.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

void SaveHero(void (*prepare)(Player&)) {
    Player hero;
    prepare(hero);
    ASSERT_TRUE(hero.Save());
    ASSERT_TRUE(hero.SaveBank());
}

void GiveUnleashed(Player& hero) {
    Spell spell;
    spell.SetName("Unleashed");
    spell.SetPrice(5);
    hero.AddSpell(&spell);
}

TEST(LoadGameTest, AWonHeroIsRefusedAfterOneDiscardedLine) {
    TestWorld world;
    SaveHero([](Player& h) { h.SetKing(true); });
    world.SetInput("anything at all\nnext line\n");
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(game); }));
    const std::string out = world.Output();
    const std::string last = "winning the game, and\nGoodbye.\n\n-Odrin\n\n";
    ASSERT_GE(out.size(), last.size());
    EXPECT_EQ(out.substr(out.size() - last.size()), last);
    EXPECT_EQ(io().ReadLine(), "next line");
}

TEST(LoadGameTest, RepairReplacesUnleashedInPlaceOnlyWhenArmed) {
    TestWorld world;
    SaveHero([](Player& h) {
        Spell fireball;
        fireball.SetName("Fireball");
        fireball.SetSpellType(ST_FIREBALL);
        h.AddSpell(&fireball);
        GiveUnleashed(h);
    });
    GameState plain;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(plain); }));  // ends at the crossroads' pause
    ASSERT_TRUE(plain.loaded.GetSpell()[1]);
    EXPECT_EQ(plain.loaded.GetSpell()[1]->GetSpellType(), ST_GENERIC);

    GameState armed;
    armed.repairUnleashed = true;
    world.SetInput("\n\n");
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(armed); }));
    EXPECT_TRUE(armed.repairUnleashed);  // a later load in the same run repairs again
    const Player& hero = armed.loaded;
    ASSERT_TRUE(hero.GetSpell()[1]);
    EXPECT_NE(dynamic_cast<const Unleashed2*>(hero.GetSpell()[1].get()), nullptr);
    EXPECT_FALSE(hero.GetSpell()[2]);  // its transcript shows the texts, values and refund
}

TEST(LoadGameTest, RepairWithoutTheSpellOnlyScolds) {
    TestWorld world("\n");
    Player hero;
    Spell lower;
    lower.SetName("unleashed");  // names compare exactly
    hero.AddSpell(&lower);
    RepairUnleashed(hero);
    EXPECT_EQ(world.Output(), "You never had the spell before, Cheater!\n\nPress the Enter key to continue\n\n");
    EXPECT_EQ(hero.GetGold(), 100);
    EXPECT_EQ(hero.GetSpell()[0]->GetName(), "unleashed");
}

}  // namespace
}  // namespace vaskarn
