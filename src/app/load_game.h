#pragma once

namespace vaskarn {

class Player;
struct GameState;

// Load Game: fills `game.loaded` from the save files, refuses a hero who has
// already won, repairs the Unleashed spell when the command mode asked for
// it, and hands the hero to the crossroads.
void LoadGame(GameState& game);

// The Unleashed spell repair on `hero`.
void RepairUnleashed(Player& hero);

}  // namespace vaskarn
