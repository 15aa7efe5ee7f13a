#pragma once

#include <cstdint>
#include <memory>

#include "model/entity.h"
#include "model/items.h"

namespace vaskarn {

enum Special_Attack_Type : std::int32_t {
    ST_0 = 0,
    ST_CLEAVE1,
    ST_RAMPAGE,
    ST_SWEEP,
    ST_PUNCTURE,
    ST_PBLADE,
    ST_THRUST,
    ST_STAB,
    ST_JAB,
    ST_CRUSH,
    ST_FIREBLADE,
    ST_WATERBLADE,
    ST_EARTHBLADE,
    ST_LIGHTBLADE,
    ST_CUTTER,
    ST_FLASH,
    ST_THROW,
    ST_SPIN,
    ST_MULTIPLY,
    ST_FORGEDSWORD,
    ST_FINISHER,
    ST_MIDAIRCUT,
    ST_FINALCUTTER,
};

inline constexpr std::int32_t kLastSpecialAttackType = ST_FINALCUTTER;

// A weapon technique the hero uses in battle for energy.
class Special_Attack : public Item {
public:
    Special_Attack() = default;
    explicit Special_Attack(const Special_Attack* other) : Special_Attack(*other) {}
    // Owned through std::unique_ptr<Special_Attack>, so destruction must reach the kind.
    virtual ~Special_Attack() = default;

    // Acts on elist[0]; ecount is carried for the interface's sake only.
    // Without a target nothing happens: no words, no draw.
    void Attack(Entity* elist, int ecount) {
        static_cast<void>(ecount);
        if (elist != nullptr) AttackOn(*elist);
    }

    void SetEnergyCost(int newcost) { energycost = newcost; }
    int GetEnergyCost() const { return energycost; }
    void SetPower(int newpower) { power = newpower; }
    int GetPower() const { return power; }
    void SetAttackType(Special_Attack_Type newtype) { type = newtype; }
    Special_Attack_Type GetAttackType() const { return type; }

protected:
    Special_Attack(const Special_Attack&) = default;
    Special_Attack& operator=(const Special_Attack&) = default;

    int energycost = 0;
    int power = 0;
    Special_Attack_Type type = ST_0;

private:
    // What the kind does to its target; an attack without a kind does nothing.
    virtual void AttackOn(Entity& target);
};

// A copy of `from` as the kind its type names (type 0: a plain
// Special_Attack), with name, price, energy cost, power and type copied.
// nullptr when `from` is null or its type is not a kind. Defined with the
// kinds, in abilities/; the hero's collections store their copies through it.
std::unique_ptr<Special_Attack> MakeSpecialAttack(const Special_Attack* from);

}  // namespace vaskarn
