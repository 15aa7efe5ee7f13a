#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The mentor's room in the castle: his fee, his introduction and his
// questions. The town opens it; it leaves only back to town.
Transition mentor(Player* player);

}  // namespace vaskarn
