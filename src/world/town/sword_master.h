#pragma once

#include "world/encounter.h"

namespace vaskarn {

class Player;

// The difficulties the castle's Sword Master fights at.
inline constexpr int kEasiestSparring = 1;
inline constexpr int kHardestSparring = 6;

// The Sword Master at a difficulty from 1 to 6 (outside that, the nearest),
// built from the hero's own level, max HP, attack, defense, weapon and
// armour. His current HP is the hero's max HP at every difficulty, even where
// his own maximum is lower. Each value is worked out in 64 bits and kept
// within the game's 32-bit numbers, so no hero is too strong to spar with.
MonsterTemplate SwordMaster(const Player& hero, int difficulty);

}  // namespace vaskarn
