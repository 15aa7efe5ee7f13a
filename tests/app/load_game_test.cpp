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

// The refusal's text is its transcript's; the line it waits for is not shown.
TEST(LoadGameTest, AWonHeroIsRefusedAfterOneDiscardedLine) {
    TestWorld world("anything at all\nnext line\n");
    Player won;
    won.SetKing(true);
    ASSERT_TRUE(won.Save() && won.SaveBank());
    GameState game;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(game); }));
    EXPECT_EQ(io().ReadLine(), "next line");
}

// The repair's transcripts show it made in place with the refund, and a
// spell of another name left alone.
TEST(LoadGameTest, RepairOnlyWhenArmedAndArmedForTheWholeRun) {
    TestWorld world("\n\n");
    Player saved;
    Spell unleashed;
    unleashed.SetName("Unleashed");
    saved.AddSpell(&unleashed);
    ASSERT_TRUE(saved.Save() && saved.SaveBank());
    GameState plain, armed;
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(plain); }));  // ends at the crossroads' pause
    EXPECT_EQ(plain.loaded.GetSpell()[0]->GetSpellType(), ST_GENERIC);
    armed.repairUnleashed = true;
    world.SetInput("\n\n");
    EXPECT_TRUE(world.EndsGame([&] { LoadGame(armed); }));
    EXPECT_TRUE(armed.repairUnleashed);  // a later load in the same run repairs again
}

}  // namespace
}  // namespace vaskarn
