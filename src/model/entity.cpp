#include "model/entity.h"

#include <algorithm>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"

namespace vaskarn {
namespace {

// Raised to 0 first, then lowered to the maximum: a negative maximum wins.
int ClampPool(int value, int maximum) {
    value = std::max(value, 0);
    return std::min(value, maximum);
}

}  // namespace

void Entity::AddHP(int amount) { hp = ClampPool(SatAdd(hp, amount), maxhp); }
void Entity::LoseHP(int amount) { hp = ClampPool(SatSub(hp, amount), maxhp); }
void Entity::AddMP(int amount) { mp = ClampPool(SatAdd(mp, amount), maxmp); }
void Entity::LoseMP(int amount) { mp = ClampPool(SatSub(mp, amount), maxmp); }

void Entity::AddGold(int amount) { gold = SatAdd(gold, amount); }

void Entity::SpendGold(int amount) {
    if (amount < 0) return;
    gold = std::max(SatSub(gold, amount), 0);
}

void Entity::AddXP(int amount) { xp = SatAdd(xp, amount); }

// Energy clamps in the other order: lowered to the maximum, then raised to 0.
void Entity::AddEnergy(int amount) { energy = std::max(std::min(SatAdd(energy, amount), maxenergy), 0); }
void Entity::UseEnergy(int amount) { energy = std::max(std::min(SatSub(energy, amount), maxenergy), 0); }

bool Entity::CheckIfDead() {
    if (hp > 0) return false;
    io() << "You are dead.\n";
    wait();
    return true;
}

bool Entity::CheckMoney_OldMan(int checkedamount) {
    if (gold >= checkedamount) return true;
    io() << "You don't have enough money.\n";
    wait();
    return false;
}

bool Entity::CheckMoney_Inn() { return CheckMoney_OldMan(10); }
bool Entity::CheckMoney_Mentor() { return CheckMoney_OldMan(500); }

}  // namespace vaskarn
