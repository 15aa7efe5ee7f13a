#pragma once

#include <memory>
#include <string_view>

#include "model/special_attack.h"

namespace vaskarn {

// One kind's starting values: what shops charge and show.
struct SpecialAttackDefaults {
    std::string_view name;
    int price;
    int energycost;
    int power;
};

// The row of the kinds' table for `kind`; the empty record for ST_0 and for
// a value that names no kind.
const SpecialAttackDefaults& DefaultsFor(Special_Attack_Type kind);

// What every kind shares: the default constructor takes the kind's row of the
// table; the pointer constructor copies a record of any kind (the hero's
// collections keep such copies), so the class constructed decides the attack.
template <Special_Attack_Type Kind>
class SpecialAttackOfKind : public Special_Attack {
public:
    static constexpr Special_Attack_Type kType = Kind;

    SpecialAttackOfKind() {
        const SpecialAttackDefaults& row = DefaultsFor(Kind);
        SetName(row.name);
        SetPrice(row.price);
        SetEnergyCost(row.energycost);
        SetPower(row.power);
        SetAttackType(Kind);
    }
    explicit SpecialAttackOfKind(const Special_Attack* other) : Special_Attack(other) {}
};

// The 22 kinds. Attack narrates and applies one use on elist[0] (a null
// target does nothing); energy, kills and rewards are the battle's business.

class Cleave1 : public SpecialAttackOfKind<ST_CLEAVE1> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Rampage : public SpecialAttackOfKind<ST_RAMPAGE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Sweep : public SpecialAttackOfKind<ST_SWEEP> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Puncturing : public SpecialAttackOfKind<ST_PUNCTURE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Poison_Blade : public SpecialAttackOfKind<ST_PBLADE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Thrust : public SpecialAttackOfKind<ST_THRUST> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Stab : public SpecialAttackOfKind<ST_STAB> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Jab : public SpecialAttackOfKind<ST_JAB> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Crush : public SpecialAttackOfKind<ST_CRUSH> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Fire_Blade : public SpecialAttackOfKind<ST_FIREBLADE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Water_Blade : public SpecialAttackOfKind<ST_WATERBLADE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Earth_Blade3 : public SpecialAttackOfKind<ST_EARTHBLADE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Light_Blade3 : public SpecialAttackOfKind<ST_LIGHTBLADE> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Cutter2 : public SpecialAttackOfKind<ST_CUTTER> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Flash2 : public SpecialAttackOfKind<ST_FLASH> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Throw2 : public SpecialAttackOfKind<ST_THROW> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Spin2 : public SpecialAttackOfKind<ST_SPIN> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Multiply2 : public SpecialAttackOfKind<ST_MULTIPLY> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

// The one kind whose damage does not depend on its power.
class Forged_Sword : public SpecialAttackOfKind<ST_FORGEDSWORD> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Finisher1 : public SpecialAttackOfKind<ST_FINISHER> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Midair_Cut : public SpecialAttackOfKind<ST_MIDAIRCUT> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

class Final_Cutter : public SpecialAttackOfKind<ST_FINALCUTTER> {
public:
    using SpecialAttackOfKind::SpecialAttackOfKind;
private:
    void AttackOn(Entity& target) override;
};

}  // namespace vaskarn
