#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The dungeon beyond the stream, opened with the stone key: every visit
// starts at its entrance, and the Black Knight waits in the open field.
Transition gldungeon(Player* player);

}  // namespace vaskarn
