#pragma once

#include <cstdint>

#include "core/screen.h"

namespace vaskarn {

class Player;

// The status screen: the hero's header once per visit, then the menu of
// detail screens until "0" hands control Back to the opener.
Transition stats(Player* player);

// The menu half of the status screen (entered from `stats`).
Transition statsmenu(Player* player);

// Hours, minutes and seconds of play from processor milliseconds.
struct PlayTime {
    std::int64_t hours;
    std::int64_t minutes;
    std::int64_t seconds;
};
PlayTime PlayTimeFromMillis(std::int64_t millis);

}  // namespace vaskarn
