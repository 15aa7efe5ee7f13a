#include "world/quest_rewards.h"

#include "model/player.h"
#include "world/purchase.h"

namespace vaskarn {
namespace {

// Quest gear is never sold; its price is what the status screen and the
// save file show as its worth.
constexpr GearOffer kSwordOfLight{"Sword Of Light", 1000000, 300};
constexpr GearOffer kMagicHelm{"Magic Armor (Helm)", 500000, 250};
constexpr GearOffer kMagicPlate{"Magic Armor (Plate)", 800000, 400};
constexpr GearOffer kMagicLegs{"Magic Armor (Legs)", 700000, 350};

constexpr GearOffer kSwordOfEldmyrs{"Sword Of Eldmyrs", 2000000, 450};
constexpr GearOffer kEldmyrsHelm{"Eldmyrs Helm", 900000, 300};
constexpr GearOffer kEldmyrsPlatebody{"Eldmyrs Platebody", 1500000, 500};
constexpr GearOffer kEldmyrsPlatelegs{"Eldmyrs Platelegs", 1200000, 450};
constexpr GearOffer kEldmyrsShield{"Eldmyrs Shield", 1000000, 400};
constexpr GearOffer kEldmyrsGauntlets{"Eldmyrs Gauntlets", 600000, 200};

}  // namespace

void WearLightGear(Player& hero) {
    hero.SetWeapon(kSwordOfLight.AsWeapon());
    hero.SetHelm(kMagicHelm.AsArmor());
    hero.SetPlatebody(kMagicPlate.AsArmor());
    hero.SetPlatelegs(kMagicLegs.AsArmor());
}

void WearEldmyrsSword(Player& hero) { hero.SetWeapon(kSwordOfEldmyrs.AsWeapon()); }

void WearEldmyrsArmor(Player& hero) {
    hero.SetHelm(kEldmyrsHelm.AsArmor());
    hero.SetPlatebody(kEldmyrsPlatebody.AsArmor());
    hero.SetPlatelegs(kEldmyrsPlatelegs.AsArmor());
    hero.SetShield(kEldmyrsShield.AsArmor());
    hero.SetGauntlets(kEldmyrsGauntlets.AsArmor());
}

void GrantGodPower(Player& hero, std::string_view name, int power) {
    if (Holds(hero.GetGodPower(), name)) return;
    God_Power gift;
    gift.CreateGodPower(name, power);
    hero.AddGod_Power(&gift);
}

void GrantBlessing(Player& hero, std::string_view name, int value) {
    if (Holds(hero.GetBlessings(), name)) return;
    Blessings gift;
    gift.CreateBlessing(name, value);
    hero.AddBlessing(&gift);
}

void GrantSpell(Player& hero, const Spell& spell) {
    if (!Holds(hero.GetSpell(), spell.GetName())) hero.AddSpell(&spell);
}

void GrantSpecialAttack(Player& hero, const Special_Attack& attack) {
    if (!Holds(hero.GetSpecialAttack(), attack.GetName())) hero.AddSpecialAttack(&attack);
}

}  // namespace vaskarn
