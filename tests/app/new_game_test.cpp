#include <gtest/gtest.h>

#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "app/new_game.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn {
namespace {

using testing::TestWorld;

// Each class's transcript shows its pools, weapon and gifts as values, and
// names capitalised and cut to 19 bytes; here the gifts are their own
// kinds, and the packs are emptied.
TEST(NewGameTest, GiftsAreTheirOwnKindsAndThePacksAreEmptied) {
    // Enter at the greeting, the name, the class, Enter at the warning; twice.
    TestWorld world("\nmerla\n2\n\n" "\nbran\n1\n\n");
    Player monk, squire;
    Inventory item;
    item.CreateItem("Old Key", 5);
    Blessings blessing;
    blessing.CreateBlessing("Old Luck", 5);
    Potion potion;
    potion.CreatePotion("Old Potion", 5, 5, 5);
    monk.AddItem(&item), monk.AddBlessing(&blessing), monk.AddPotion(&potion);
    SetPlayer(&monk);
    SetPlayer(&squire);
    EXPECT_FALSE(monk.GetInventory()[0] || monk.GetBlessings()[0] || monk.GetPotion()[0]);
    EXPECT_NE(dynamic_cast<const Fireball*>(monk.GetSpell()[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Minor_Healing*>(monk.GetSpell()[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<const Cleave1*>(squire.GetSpecialAttack()[0].get()), nullptr);
    EXPECT_FALSE(monk.GetSpecialAttack()[0] || squire.GetSpell()[0]);
}

}  // namespace
}  // namespace vaskarn
