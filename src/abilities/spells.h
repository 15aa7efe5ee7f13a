#pragma once

#include <memory>
#include <string_view>

#include "model/spell.h"

namespace vaskarn {

// One kind's starting values: what shops charge and show, and the constants
// that the fixed-strength kinds hit or heal with.
struct SpellDefaults {
    std::string_view name;
    int price;
    int mpcost;
    int power;
};

// The row of the kinds' table for `kind`; the empty record for ST_GENERIC
// and for a value that names no kind.
const SpellDefaults& DefaultsFor(Spell_Type kind);


// What every kind shares: the default constructor takes the kind's row of the
// table; the pointer constructor copies a record of any kind, so the class
// constructed (not the record's) decides what casting does.
template <Spell_Type Kind>
class SpellOfKind : public Spell {
public:
    static constexpr Spell_Type kType = Kind;

    SpellOfKind() {
        const SpellDefaults& row = DefaultsFor(Kind);
        SetName(row.name);
        SetPrice(row.price);
        SetMPCost(row.mpcost);
        SetPower(row.power);
        SetSpellType(Kind);
    }
    explicit SpellOfKind(const Spell* newspell) : Spell(newspell) {}
};

// The kinds. Each prints its narration and changes its target; none checks
// or takes MP.

class Fireball : public SpellOfKind<ST_FIREBALL> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Inferno : public SpellOfKind<ST_INFERNO> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Sapphire : public SpellOfKind<ST_SAPPHIRE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Probe : public SpellOfKind<ST_PROBE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Minor_Healing : public SpellOfKind<ST_MINOR_HEALING> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Major_Healing : public SpellOfKind<ST_MAJOR_HEALING> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Blaze : public SpellOfKind<ST_BLAZE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Cleave : public SpellOfKind<ST_CLEAVE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Wave : public SpellOfKind<ST_WAVE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Spirit : public SpellOfKind<ST_SPIRIT> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Poison : public SpellOfKind<ST_POISON> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Lightning : public SpellOfKind<ST_LIGHTNING> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Soul_Charge : public SpellOfKind<ST_SOUL_CHARGE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Unpoison : public SpellOfKind<ST_UNPOISON> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Alchemy : public SpellOfKind<ST_ALCHEMY> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Fusion : public SpellOfKind<ST_FUSION> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Magic_Bullet : public SpellOfKind<ST_MAGIC_BULLET> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class For_Camelot : public SpellOfKind<ST_FOR_CAMELOT> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Black_Magic : public SpellOfKind<ST_BLACK_MAGIC> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Random : public SpellOfKind<ST_RANDOM> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Parry : public SpellOfKind<ST_PARRY> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Head_Bash : public SpellOfKind<ST_HEAD_BASH> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Vesk_Song : public SpellOfKind<ST_VESK_SONG> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Light_Orb2 : public SpellOfKind<ST_LIGHT_ORB> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Unleash : public SpellOfKind<ST_UNLEASH> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Barrel_Fire : public SpellOfKind<ST_BARRELFIRE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Gods_Hand : public SpellOfKind<ST_GODSHAND> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Gods_Arrow : public SpellOfKind<ST_GODSARROW> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Gods_Fire : public SpellOfKind<ST_GODSFIRE> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Unleashed2 : public SpellOfKind<ST_UNLEASHED> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Flamethrower : public SpellOfKind<ST_FLAMETHROWER> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

class Flaming_Torch : public SpellOfKind<ST_FLAMINGTORCH> {
public:
    using SpellOfKind::SpellOfKind;
private:
    void CastOn(Entity& target) override;
};

}  // namespace vaskarn
