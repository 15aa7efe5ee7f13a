#pragma once

#include <cstddef>
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

// A potion seller's counter: sells `quantity` units of `potion` at its price
// each. The total is exact; a full potion list that holds none of this name
// refuses before any gold is taken (the potions would only be turned away
// after payment); the units are added as one operation, however many. The
// seller says "You don't have enough money." or "You bought " N " " name
// "s." (a quantity of 0 buys nothing, for nothing), each with a pause.
void SellPotionsAtCounter(Player& hero, const Potion& potion, int quantity);

// How a sale of one inventory item went.
enum class ItemSale {
    Sold,         // paid for and added
    ShortOfGold,  // nothing changed; the seller says his own words
    NoRoom,       // the full inventory said so; nothing was paid
};

// Sells one inventory item of `value` for `price`. A full inventory refuses
// before any gold is taken: it would only turn the item away after payment.
ItemSale SellItem(Player& hero, std::string_view name, int value, int price);

// The column of a catalogue by class, 0 (Warrior) to 4 (Scout). A class
// number outside 1 to 5 (only a damaged file holds one) shops as a Warrior,
// the class every hero record starts as.
std::size_t ClassColumn(const Player& hero);

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
