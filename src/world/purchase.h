#pragma once

#include <cstdint>
#include <string_view>

#include "model/items.h"

namespace vaskarn {

class Player;

// What `quantity` units at `unit` gold each cost, exactly: the product of two
// 32-bit numbers always fits in 64 bits, so an enormous quantity can never
// wrap into a small or negative total.
constexpr std::int64_t TotalPrice(int unit, int quantity) { return std::int64_t{unit} * quantity; }

// A purchase is refused only when the hero's gold is below the total.
bool CanPay(const Player& hero, std::int64_t total);

// Takes a total that the hero can pay (CanPay); a negative total takes nothing.
void Pay(Player& hero, std::int64_t total);

// One piece of a shop's catalogue of weapons or armour: the name, the price,
// and the damage or protection it gives.
struct GearOffer {
    std::string_view name;
    int price;
    int power;

    Weapon AsWeapon() const;
    Armor AsArmor() const;
};

}  // namespace vaskarn
