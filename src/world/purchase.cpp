#include "world/purchase.h"

#include "model/player.h"

namespace vaskarn {

bool CanPay(const Player& hero, std::int64_t total) { return hero.GetGold() >= total; }

void Pay(Player& hero, std::int64_t total) {
    if (total <= 0 || !CanPay(hero, total)) return;
    hero.SpendGold(static_cast<int>(total));  // not above the gold, so it fits
}

Weapon GearOffer::AsWeapon() const {
    Weapon weapon;
    weapon.CreateWeapon(name, power, price);
    return weapon;
}

Armor GearOffer::AsArmor() const {
    Armor armor;
    armor.CreateArmor(name, power, price);
    return armor;
}

}  // namespace vaskarn
