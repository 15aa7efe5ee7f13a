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

// The file the command mode writes and whose presence stops every later start.
inline constexpr const char* kHistoryFile = "Output History File.DAT";

// The whole program after argument handling: start-up, then the title menu.
void PlayGame();

}  // namespace vaskarn
