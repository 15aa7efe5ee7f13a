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

TEST(LoadGameTest, AWonHeroIsRefusedAfterOneDiscardedLine) {
    TestWorld world("anything at all\nnext line\n");
    Player won;
    won.SetKing(true);
    ASSERT_TRUE(won.Save() && won.SaveBank());
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(game); }));
    EXPECT_TRUE(world.Output().ends_with("winning the game, and\nGoodbye.\n\n-Odrin\n\n"));
    EXPECT_EQ(io().ReadLine(), "next line");
}

// Its transcripts show the texts, the values and the refund.
TEST(LoadGameTest, RepairReplacesUnleashedInPlaceOnlyWhenArmed) {
    TestWorld world;
    Player saved;
    Spell fireball, unleashed;
    fireball.SetName("Fireball"), fireball.SetSpellType(ST_FIREBALL);
    unleashed.SetName("Unleashed");
    saved.AddSpell(&fireball), saved.AddSpell(&unleashed);
    ASSERT_TRUE(saved.Save() && saved.SaveBank());

    GameState plain;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(plain); }));  // ends at the crossroads' pause
    ASSERT_TRUE(plain.loaded.GetSpell()[1]);
    EXPECT_EQ(plain.loaded.GetSpell()[1]->GetSpellType(), ST_GENERIC);

    GameState armed;
    armed.repairUnleashed = true;
    world.SetInput("\n\n");
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(armed); }));
    EXPECT_TRUE(armed.repairUnleashed);  // a later load in the same run repairs again
    EXPECT_NE(dynamic_cast<const Unleashed2*>(armed.loaded.GetSpell()[1].get()), nullptr);
    EXPECT_FALSE(armed.loaded.GetSpell()[2]);

    world.SetInput("\n");
    Player lower;
    unleashed.SetName("unleashed");  // names compare exactly: this one only earns a scolding
    lower.AddSpell(&unleashed);
    world.TakeOutput();
    RepairUnleashed(lower);
    EXPECT_EQ(world.Output(), "You never had the spell before, Cheater!\n\nPress the Enter key to continue\n\n");
    EXPECT_EQ(lower.GetSpell()[0]->GetName(), "unleashed");
}

}  // namespace
}  // namespace vaskarn
