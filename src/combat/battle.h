#pragma once

#include "model/monster.h"
#include "model/player.h"

namespace vaskarn {

// The turn-based fight of `player` against monster[0 .. count-1] (a group of
// 1 to 80, owned by the caller and changed in place). XP and gold are paid as
// each monster dies; after a win come one rank check and ten level checks.
// True for a win; false when the hero is slain or flees (his HP tells which).
// Never moves the hero and never applies a penalty: that is the caller's part.
bool battle(Player* player, Monster* monster, int count);

}  // namespace vaskarn
