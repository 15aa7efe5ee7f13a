#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Mountain Of The Glowing Crystal: three fights on the way to the top,
// each lost or fled a death; the last one won completes the quest and saves.
Transition mountainquest(Player* player);

}  // namespace vaskarn
