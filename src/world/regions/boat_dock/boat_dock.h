#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The boat dock and its old sailor, the only way to Vroengard.
Transition boatdock(Player* player);

}  // namespace vaskarn
