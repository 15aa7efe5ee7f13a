#include "world/town/sword_master.h"

#include <algorithm>
#include <cstdint>

#include "model/arith.h"
#include "model/player.h"

namespace vaskarn {
namespace {

// One difficulty: the Sword Master's values as multiples and offsets of the
// hero's. Attack is attackTimes x attack (+ weapon damage) + attackPlus;
// defense is defense (+ helm, platebody and platelegs) + defensePlus.
struct Sparring {
    int maxHPPlus;
    int goldPerLevel;
    int xpPerLevel;
    int attackTimes;
    bool withWeapon;
    int attackPlus;
    bool withArmor;
    int defensePlus;
};

constexpr Sparring kSparring[] = {
    {-10, 20, 10, 1, false, -2, false, -2},
    {0, 40, 15, 1, false, 0, false, 0},
    {10, 80, 40, 1, true, 2, false, 5},
    {20, 100, 60, 2, true, -5, true, -80},
    {50, 150, 100, 3, true, -10, true, -45},
    {100, 200, 150, 5, true, 0, true, 20},
};

}  // namespace

MonsterTemplate SwordMaster(const Player& hero, int difficulty) {
    const Sparring& s = kSparring[std::clamp(difficulty, kEasiestSparring, kHardestSparring) - 1];
    const std::int64_t level = hero.GetLevel();
    const std::int64_t weapon = s.withWeapon ? hero.GetWeapon()->GetDamage() : 0;
    const std::int64_t armor = s.withArmor ? std::int64_t{hero.GetHelm()->GetProtection()} +
                                                 hero.GetPlatebody()->GetProtection() +
                                                 hero.GetPlatelegs()->GetProtection()
                                           : 0;
    return {
        .name = "Sword Master",
        .hp = hero.GetMaxHP(),
        .maxhp = ClampToInt(std::int64_t{hero.GetMaxHP()} + s.maxHPPlus),
        .gold = ClampToInt(level * s.goldPerLevel),
        .xp = ClampToInt(level * s.xpPerLevel),
        .attack = ClampToInt(std::int64_t{hero.GetAttack()} * s.attackTimes + weapon + s.attackPlus),
        .defense = ClampToInt(std::int64_t{hero.GetDefense()} + armor + s.defensePlus),
    };
}

}  // namespace vaskarn
