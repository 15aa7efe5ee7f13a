#include "world/quest_gear.h"

#include "model/player.h"

namespace vaskarn {

void EquipWeapon(Player& hero, const GearOffer& weapon) { hero.SetWeapon(weapon.AsWeapon()); }

void EquipArmor(Player& hero, std::span<const QuestArmor> pieces) {
    for (const QuestArmor& worn : pieces) {
        const Armor armor = worn.piece.AsArmor();
        switch (worn.slot) {
        case ArmorSlot::Cape: hero.SetCape(armor); break;
        case ArmorSlot::Helm: hero.SetHelm(armor); break;
        case ArmorSlot::Platebody: hero.SetPlatebody(armor); break;
        case ArmorSlot::Platelegs: hero.SetPlatelegs(armor); break;
        case ArmorSlot::Shield: hero.SetShield(armor); break;
        case ArmorSlot::Gauntlets: hero.SetGauntlets(armor); break;
        }
    }
}

}  // namespace vaskarn
