#pragma once

#include <string_view>

#include "model/name.h"

namespace vaskarn {

// Names longer than 35 characters are cut to fit; the game only passes its
// own names, which all fit.
class Item {
public:
    void SetName(std::string_view newname) { name.Assign(newname); }
    std::string_view GetName() const { return name.View(); }
    void SetPrice(int newprice) { price = newprice; }
    int GetPrice() const { return price; }

protected:
    Name name;
    int price = 0;
};

class Weapon : public Item {
public:
    void CreateWeapon(std::string_view newname, int newdamage, int newprice);
    void SetDamage(int newdamage) { damage = newdamage; }
    int GetDamage() const { return damage; }

private:
    int damage = 0;
};

// One armour piece. The class also carries a whole six-piece set, which the
// game never reads: the hero wears six separate pieces instead.
class Armor : public Item {
public:
    void CreateArmor(std::string_view newname, int newprotection, int newprice);
    void SetProtection(int newprotection) { protection = newprotection; }
    int GetProtection() const { return protection; }

    void SetCapeName(std::string_view n) { capename.Assign(n); }
    std::string_view GetCapeName() const { return capename.View(); }
    void SetCapeProtection(int p) { capeprotection = p; }
    int GetCapeProtection() const { return capeprotection; }
    void SetPlatebodyName(std::string_view n) { pbname.Assign(n); }
    std::string_view GetPlatebodyName() const { return pbname.View(); }
    void SetPlatebodyProtection(int p) { pbprotection = p; }
    int GetPlatebodyProtection() const { return pbprotection; }
    void SetPlatelegsName(std::string_view n) { plname.Assign(n); }
    std::string_view GetPlatelegsName() const { return plname.View(); }
    void SetPlatelegsProtection(int p) { plprotection = p; }
    int GetPlatelegsProtection() const { return plprotection; }
    void SetHelmName(std::string_view n) { helmname.Assign(n); }
    std::string_view GetHelmName() const { return helmname.View(); }
    void SetHelmProtection(int p) { helmprotection = p; }
    int GetHelmProtection() const { return helmprotection; }
    void SetShieldName(std::string_view n) { shieldname.Assign(n); }
    std::string_view GetShieldName() const { return shieldname.View(); }
    void SetShieldProtection(int p) { shieldprotection = p; }
    int GetShieldProtection() const { return shieldprotection; }
    void SetGauntletsName(std::string_view n) { gauntletsname.Assign(n); }
    std::string_view GetGauntletsName() const { return gauntletsname.View(); }
    void SetGauntletsProtection(int p) { gauntletsprotection = p; }
    int GetGauntletsProtection() const { return gauntletsprotection; }

private:
    int protection = 0;
    Name capename;
    int capeprotection = 0;
    Name pbname;
    int pbprotection = 0;
    Name plname;
    int plprotection = 0;
    Name helmname;
    int helmprotection = 0;
    Name shieldname;
    int shieldprotection = 0;
    Name gauntletsname;
    int gauntletsprotection = 0;
};

class Potion : public Item {
public:
    Potion() = default;
    explicit Potion(const Potion* other) : Potion(*other) {}

    // Every creator gives a potion of exactly one dose.
    void CreatePotion(std::string_view newname, int newhprestore, int newmprestore, int newprice);
    void CreateHealthPotion(std::string_view newname, int newhprestore, int newprice) {
        CreatePotion(newname, newhprestore, 0, newprice);
    }
    void CreateManaPotion(std::string_view newname, int newmprestore, int newprice) {
        CreatePotion(newname, 0, newmprestore, newprice);
    }
    void CreateComboPotion(std::string_view newname, int newhprestore, int newmprestore, int newprice) {
        CreatePotion(newname, newhprestore, newmprestore, newprice);
    }

    void SetHPRestore(int v) { hprestore = v; }
    int GetHPRestore() const { return hprestore; }
    void SetMPRestore(int v) { mprestore = v; }
    int GetMPRestore() const { return mprestore; }
    void SetAmount(int v) { amount = v; }
    int GetAmount() const { return amount; }
    void AddAmount(int n);
    void UseAmount(int n);

private:
    int hprestore = 0;
    int mprestore = 0;
    int amount = 0;
};

// A quest or key item: a name and a value.
class Inventory : public Item {
public:
    Inventory() = default;
    explicit Inventory(const Inventory* other) : Inventory(*other) {}
    void CreateItem(std::string_view newname, int newprice) {
        SetName(newname);
        SetPrice(newprice);
    }
};

class Blessings : public Item {
public:
    Blessings() = default;
    explicit Blessings(const Blessings* other) : Blessings(*other) {}
    void CreateBlessing(std::string_view newname, int newvalue) {
        SetName(newname);
        value = newvalue;
    }
    void SetValue(int newvalue) { value = newvalue; }
    int GetValue() const { return value; }

private:
    int value = 0;
};

class God_Power : public Item {
public:
    God_Power() = default;
    explicit God_Power(const God_Power* other) : God_Power(*other) {}
    void CreateGodPower(std::string_view newname, int newpower) {
        SetName(newname);
        power = newpower;
    }
    void SetPower(int newpower) { power = newpower; }
    int GetPower() const { return power; }

private:
    int power = 0;
};

}  // namespace vaskarn
