#pragma once

namespace vaskarn {

class Player;
struct GameState;

// The hidden maintenance console of the title screen: one command per visit.
// Returns to the title screen, except after a recovery, which hands the
// rebuilt hero to the crossroads.
void CommandMode(GameState& game);

// The recovery dialogue: rebuilds `hero` from typed values and saves it.
void RecoverFile(Player& hero);

}  // namespace vaskarn
