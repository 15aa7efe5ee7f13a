#pragma once

#include <string>

#include "model/player.h"
#include "support/visit.h"

// Heroes and keys for the late regions' fights. Draws are all 0 unless a
// test scripts them: every blow lands for its plain damage, no monster
// misses, and a retreat always gets away.
namespace vaskarn::testing {

// Kills anything of the late regions with one blow and takes no harm; far
// from any level or title to gain.
inline void MakeChampion(Player& hero) {
    hero.SetLevel(200);
    hero.SetGroupName("Guilded Paladin");
    hero.SetMaxHP(100000);
    hero.SetHP(100000);
    hero.SetAttack(50000);
    hero.SetDefense(50000);
}

// Falls to the first blow of any monster here.
inline void MakeWeakling(Player& hero) {
    hero.SetHP(1);
    hero.SetDefense(0);
}

// Enough empty lines for every pause that can come before the next answer:
// the answers skip the ones left over.
inline std::string Pauses(int lines) { return std::string(static_cast<std::size_t>(lines), '\n'); }

// A champion's keys through a group of `count`: one turn for each of the
// first `turns` monsters in order (all of them unless given).
inline std::string WinKeys(int count, int turns = 0) {
    if (turns == 0) turns = count;
    std::string keys = Pauses(6);
    for (int t = 1; t <= turns; ++t) {
        keys += "1\n";
        if (count > 1) keys += std::to_string(t) + "\n";
        keys += Pauses(3 * count + 6);
    }
    return keys;
}

// A retreat at the first turn, then the pauses of what follows.
inline const std::string kFleeKeys = Pauses(6) + "7\n" + Pauses(6);

}  // namespace vaskarn::testing
