#pragma once

#include <string_view>

#include "model/name.h"

namespace vaskarn {

// What every creature shares: a name and the pools that fights, shops and
// rests change. Copied as a plain value.
class Entity {
public:
    // True when stored: `newname` must be non-empty and at most 35 characters.
    bool SetName(std::string_view newname) { return name.AssignIfFits(newname); }
    std::string_view GetName() const { return name.View(); }

    void SetHP(int newhp) { hp = newhp; }
    int GetHP() const { return hp; }
    void AddHP(int amount);
    void LoseHP(int amount);
    void RestoreFullHP() { hp = maxhp; }
    void SetMaxHP(int newmaxhp) { maxhp = newmaxhp; }
    int GetMaxHP() const { return maxhp; }

    void SetMP(int newmp) { mp = newmp; }
    int GetMP() const { return mp; }
    void AddMP(int amount);
    void LoseMP(int amount);
    void RestoreFullMP() { mp = maxmp; }
    void SetMaxMP(int newmaxmp) { maxmp = newmaxmp; }
    int GetMaxMP() const { return maxmp; }

    void SetPoisoned(bool status) { poisoned = status; }
    bool IsPoisoned() const { return poisoned; }

    void SetGold(int newgold) { gold = newgold; }
    int GetGold() const { return gold; }
    void AddGold(int amount);
    void SpendGold(int amount);

    void SetXP(int newxp) { xp = newxp; }
    int GetXP() const { return xp; }
    void AddXP(int amount);

    void SetEnergy(int newenergy) { energy = newenergy; }
    int GetEnergy() const { return energy; }
    void AddEnergy(int amount);
    void UseEnergy(int amount);
    void RestoreFullEnergy() { energy = maxenergy; }
    void SetMaxEnergy(int newmaxenergy) { maxenergy = newmaxenergy; }
    int GetMaxEnergy() const { return maxenergy; }

    // When HP is gone: "You are dead.", a pause, and true. The caller then
    // starts over at the crossroads with a new hero; no place of the game
    // calls it (lost battles go through Player::HasDied).
    bool CheckIfDead();

    // The payment checks of the inn's old man, the inn and the mentor. When
    // the gold is below the amount asked: "You don't have enough money.", a
    // pause, and false; the place that asked then decides where the hero
    // goes. True, silently, when the entity can pay.
    bool CheckMoney_OldMan(int checkedamount);
    bool CheckMoney_Inn();
    bool CheckMoney_Mentor();

protected:
    Name name;
    int hp = 0;
    int gold = 0;
    int maxhp = 0;
    int mp = 0;
    int maxmp = 0;
    int xp = 0;
    int energy = 0;
    int maxenergy = 0;
    bool poisoned = false;
};

}  // namespace vaskarn
