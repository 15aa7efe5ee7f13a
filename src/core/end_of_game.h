#pragma once

namespace vaskarn {

// Thrown wherever the game ends (a farewell, a closed input, a won game) and
// caught only by main(), so every hero record and open file is released
// normally on the way out. The game always ends with status 0.
struct EndOfGame {};

}  // namespace vaskarn
