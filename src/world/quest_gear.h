#pragma once

#include <span>

#include "world/purchase.h"

namespace vaskarn {

class Player;

// Where an armour piece is worn.
enum class ArmorSlot { Cape, Helm, Platebody, Platelegs, Shield, Gauntlets };

struct QuestArmor {
    ArmorSlot slot;
    GearOffer piece;
};

// The equipment two quests give. The quest that grants it and the castle's
// Sword Master, who gives it back, read the same records, so the hero always
// gets back exactly what he won.

// The God Of Light's reward at the Gates Of Heaven.
inline constexpr GearOffer kSwordOfLight{"Sword Of Light", 500000, 300};
inline constexpr QuestArmor kMagicArmor[] = {
    {ArmorSlot::Helm, {"Magic Armor (Helm)", 300000, 150}},
    {ArmorSlot::Platebody, {"Magic Armor (Plate)", 500000, 250}},
    {ArmorSlot::Platelegs, {"Magic Armor (Legs)", 400000, 200}},
};

// The Rune Knights' reward on the Mountain Of The Glowing Crystal.
inline constexpr GearOffer kSwordOfEldmyrs{"Sword Of Eldmyrs", 1000000, 450};
inline constexpr QuestArmor kEldmyrsArmor[] = {
    {ArmorSlot::Helm, {"Eldmyrs Helm", 500000, 250}},
    {ArmorSlot::Platebody, {"Eldmyrs Platebody", 900000, 400}},
    {ArmorSlot::Platelegs, {"Eldmyrs Platelegs", 800000, 350}},
    {ArmorSlot::Shield, {"Eldmyrs Shield", 600000, 300}},
    {ArmorSlot::Gauntlets, {"Eldmyrs Gauntlets", 300000, 150}},
};

// Puts the weapon in the hero's hand, replacing the one he holds.
void EquipWeapon(Player& hero, const GearOffer& weapon);
// Puts each piece on in its own slot, replacing what is worn there.
void EquipArmor(Player& hero, std::span<const QuestArmor> pieces);

}  // namespace vaskarn
