#include "model/player.h"

#include "model/arith.h"

namespace vaskarn {

Player::Player() {
    SetName("Hero");
    SetGroupName("Hero");
    SetGold(100);
    SetMaxHP(40);
    SetHP(40);
    SetMaxMP(10);
    SetMP(10);
    SetMaxEnergy(20);
    SetEnergy(20);
    SetXP(0);
    SetPoisoned(false);
    weapon.CreateWeapon("Bent Dagger", 2, 0);
}

void Player::AddAttack(int amount) { attack = SatAdd(attack, amount); }
void Player::AddDefense(int amount) { defense = SatAdd(defense, amount); }
void Player::AddStrength(int amount) { strength = SatAdd(strength, amount); }
void Player::AddTokens(int amount) { tokens = SatAdd(tokens, amount); }
void Player::UseTokens(int amount) { tokens = SatSub(tokens, amount); }
void Player::AddBars(int amount) { bars = SatAdd(bars, amount); }
void Player::UseBars(int amount) { bars = SatSub(bars, amount); }
void Player::AddHerbloreXP(int amount) { herblore_xp = SatAdd(herblore_xp, amount); }
void Player::AddSmithingXP(int amount) { smithing_xp = SatAdd(smithing_xp, amount); }

}  // namespace vaskarn
