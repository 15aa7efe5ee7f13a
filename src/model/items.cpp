#include "model/items.h"

#include "model/arith.h"

namespace vaskarn {

void Weapon::CreateWeapon(std::string_view newname, int newdamage, int newprice) {
    SetName(newname);
    damage = newdamage;
    SetPrice(newprice);
}

void Armor::CreateArmor(std::string_view newname, int newprotection, int newprice) {
    SetName(newname);
    protection = newprotection;
    SetPrice(newprice);
}

void Potion::CreatePotion(std::string_view newname, int newhprestore, int newmprestore, int newprice) {
    SetName(newname);
    hprestore = newhprestore;
    mprestore = newmprestore;
    SetPrice(newprice);
    amount = 1;
}

void Potion::AddAmount(int n) { amount = SatAdd(amount, n); }
void Potion::UseAmount(int n) { amount = SatSub(amount, n); }

}  // namespace vaskarn
