#include "world/town/training_arena.h"

#include <array>
#include <span>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr std::array<MonsterTemplate, 8> kVillagePool{{
    {"Pikeman", 15, 15, 12, 7, 3, 1},
    {"Halberdier", 25, 25, 30, 10, 4, 4},
    {"Earth Spirit", 5, 5, 2, 1, 1, 0},
    {"Villager", 10, 10, 10, 4, 3, 1},
    {"Militia", 25, 25, 13, 11, 3, 4},
    {"Highwayman", 15, 15, 25, 13, 3, 2},
    {"Bear", 20, 20, 35, 15, 6, 6},
    {"Mage", 10, 10, 5, 2, 1, 0},
}};

constexpr std::array<MonsterTemplate, 7> kArcherPool{{
    {"Shortbow Man", 60, 60, 30, 20, 11, 6},
    {"Longbow Man", 80, 80, 70, 35, 15, 7},
    {"Crossbow Master", 120, 120, 300, 50, 21, 11},
    {"Crossbow Man", 70, 70, 50, 25, 14, 7},
    {"Expert Marksman", 150, 150, 850, 120, 45, 34},
    {"Theo The Great Bowman", 200, 200, 1500, 140, 35, 20},
    {"Master Marksman (Poisoned Arrow)", 400, 400, 3000, 350, 35, 25},
}};

constexpr std::array<MonsterTemplate, 7> kBeastPool{{
    {"Earth Mage", 150, 150, 500, 120, 5, 1},
    {"Nature Elemental", 115, 115, 430, 102, 30, 11},
    {"Orc", 120, 120, 1000, 132, 43, 45},
    {"Metal Orc", 300, 300, 2000, 215, 30, 30},
    {"Abyssal Demon", 220, 220, 2500, 400, 40, 29},
    {"Rock Golem", 200, 200, 1200, 150, 25, 23},
    {"Champion", 130, 130, 5000, 600, 40, 20},
}};

constexpr std::array<MonsterTemplate, 8> kKnightPool{{
    {"White Knight", 120, 120, 600, 75, 45, 20},
    {"Bronze Knight", 90, 90, 500, 30, 20, 10},
    {"Guilded Cavalier", 140, 140, 720, 60, 40, 30},
    {"Cavalier", 100, 100, 350, 40, 25, 15},
    {"Guilded Knight", 80, 80, 200, 40, 20, 15},
    {"Paladin", 400, 400, 2000, 150, 70, 40},
    {"Defense Horseman", 80, 80, 250, 23, 5, 50},
    {"Attack Horseman", 100, 100, 700, 43, 50, 5},
}};

// The pool's level bands differ from those of the group size.
std::span<const MonsterTemplate> PoolFor(int level) {
    if (level <= 5) return kVillagePool;
    if (level <= 10) return kArcherPool;
    if (level <= 19) return kBeastPool;
    return kKnightPool;
}

// True to fight, false to walk away; anything else asks again.
bool WantsToFight() {
    for (;;) {
        io() << "Do you want to fight?(y/n)\n";
        io().Prompt();
        const std::string answer = io().ReadWord();
        if (IsNo(answer)) return false;
        if (IsYes(answer) || answer == "yer" || answer == "ya") return true;
    }
}

}  // namespace

Transition training_arena(Player* player) {
    random();
    // Drawn before the question, so a fumbled answer meets the same group.
    const int size = GroupSizeByLevel(player->GetLevel());

    if (!WantsToFight()) {
        io() << "You walk back towards the village.\n";
        wait();
        return GoTo(crossroads);
    }

    // A practice defeat costs half the gold carried and nothing else: the
    // death penalty's own terms.
    if (FightGroup(*player, PoolFor(player->GetLevel()), size) == FightResult::Slain) player->HasDied();
    return GoTo(crossroads);
}

}  // namespace vaskarn
