#pragma once

#include <span>
#include <string_view>

#include "model/monster.h"

namespace vaskarn {

class Player;

// A monster of a place's table, in the order of Monster::CreateMonster.
struct MonsterTemplate {
    std::string_view name;
    int hp;
    int maxhp;
    int gold;
    int xp;
    int attack;
    int defense;
    bool poisoned = false;

    Monster Make() const;
};

// How a fight ended; the place decides what each costs.
enum class FightResult {
    Won,
    Slain,  // lost with HP at 0 or below
    Fled,   // lost, alive
};

// The group size most places draw by the hero's level, with one draw:
// 1 to 2 up to level 9, 1 to 3 up to level 20, 1 to 4 beyond.
int GroupSizeByLevel(int level);

// Fights `group` as it stands.
FightResult Fight(Player& hero, std::span<Monster> group);

// Fills a group of `size` from the pool, one draw per monster, and fights it.
FightResult FightGroup(Player& hero, std::span<const MonsterTemplate> pool, int size);

// One monster alone, as a boss is fought.
FightResult FightOne(Player& hero, const MonsterTemplate& monster);

// A fixed group: every kind in table order, `copies` of each, with no draw
// before the battle's own (6 Ents, or an army of five different kinds).
FightResult FightInOrder(Player& hero, std::span<const MonsterTemplate> kinds, int copies = 1);

}  // namespace vaskarn
