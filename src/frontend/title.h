#pragma once

#include "model/player.h"

namespace vaskarn {

// What outlives every screen of a run: the hero made by New Game, the hero
// filled by Load Game or the recovery command, and the spell-repair flag
// that the command mode arms for Load Game.
struct GameState {
    Player player;
    Player loaded;
    bool repairUnleashed = false;
};

// The history-file check. Prints the notice and ends the game when a
// command-mode history file is present.
void CheckHistoryFile();

// The title screen and its menu, until the game ends.
void TitleMenu(GameState& game);

// The whole program after argument handling: start-up, then the title menu.
void PlayGame();

}  // namespace vaskarn
