#pragma once

#include "model/monster.h"
#include "model/player.h"

namespace vaskarn {

// The hero's melee blow at one monster. One blow in ten misses; true when it
// lands.
bool PlayerAttack(Player* player, Monster* monster);

// One monster's blow at the hero. Always true; the caller pauses afterwards.
bool MonsterAttack(Monster* monster, Player* player);

// The living monsters of a group, numbered by position + 1 (gaps where dead
// ones stand), then an empty line.
void ListMonsters(const Monster* monsters, int count);

}  // namespace vaskarn
