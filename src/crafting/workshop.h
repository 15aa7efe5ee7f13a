#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The workshop in the town: hiring, and shifts of work paid in gold for
// energy. The town opens it; it leaves only back to town.
Transition workshop(Player* player);

}  // namespace vaskarn
