#pragma once

#include <string>
#include <string_view>

#include "model/player.h"

namespace vaskarn {

inline constexpr std::string_view kPlayerFile = "Player.dll";
inline constexpr std::string_view kBankFile = "Bank.dll";

// The exact bytes of each save file for this hero.
std::string PlayerFileBytes(const Player& hero);
std::string BankFileBytes(const Player& hero);

// Saves the hero and the bank as one: both files are prepared before either
// is replaced, and when this reports failure Player.dll is as it was.
bool SaveHeroAndBank(const Player& hero);

}  // namespace vaskarn
