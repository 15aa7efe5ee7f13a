#pragma once

#include "core/screen.h"

namespace vaskarn {

class Player;

// The path through the rainforest, one step of the story at a time; the
// walk starts at Screen(rainforest_storyline1, 0).
Transition rainforest_storyline1(Player* player, int step);

// The camp on the path, where the hero must win ten morning fights before
// he may go on: the fights won, the rests taken and the deaths so far.
Transition rainforestcamp(Player* player, int kills, int rests, int deaths);

}  // namespace vaskarn
