#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The Great Grasslands: the open plain, where the crossroads leads.
Transition grasslands(Player* player);

// The pond at the heart of the region, from its description; the tunnel and
// Peter's house lead back here.
Transition pond(Player* player);

// The land beyond the stream, where the dungeon lies; the dungeon's way out
// and the Black Knight's defeat lead back here.
Transition over_the_stream(Player* player);

}  // namespace vaskarn
