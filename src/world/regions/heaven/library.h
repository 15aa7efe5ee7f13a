#pragma once

#include <string_view>

#include "core/screen.h"

namespace vaskarn {

class Player;

// What the gates and the library both look for in the hero's collections.
inline constexpr std::string_view kGoldSword = "Gold Sword";
inline constexpr std::string_view kPowerOfLight = "The Power Of Light";

// The professor's library, by how far his research has come: his offer, the
// hero's progress with the parchment, and the finished history with the
// Rune King's crystal sphere.
Transition heavenlibrary(Player* player);

}  // namespace vaskarn
