#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The island of Vroengard and its three guardians, fought in order. Each
// screen passes the hero on at once when its guardian is already beaten, so
// the chain resumes at the first one still standing.
Transition vroengard(Player* player);
Transition castlequest(Player* player);
Transition runeking(Player* player);

}  // namespace vaskarn
