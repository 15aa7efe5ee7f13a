#pragma once

#include <cstdint>
#include <memory>

#include "model/entity.h"
#include "model/items.h"

namespace vaskarn {

enum Spell_Type : std::int32_t {
    ST_GENERIC = 0,
    ST_FIREBALL,
    ST_INFERNO,
    ST_SAPPHIRE,
    ST_PROBE,
    ST_MINOR_HEALING,
    ST_MAJOR_HEALING,
    ST_BLAZE,
    ST_CLEAVE,
    ST_WAVE,
    ST_SPIRIT,
    ST_POISON,
    ST_LIGHTNING,
    ST_SOUL_CHARGE,
    ST_UNPOISON,
    ST_ALCHEMY,
    ST_FUSION,
    ST_MAGIC_BULLET,
    ST_FOR_CAMELOT,
    ST_BLACK_MAGIC,
    ST_RANDOM,
    ST_PARRY,
    ST_HEAD_BASH,
    ST_VESK_SONG,
    ST_LIGHT_ORB,
    ST_UNLEASH,
    ST_BARRELFIRE,
    ST_GODSHAND,
    ST_GODSARROW,
    ST_GODSFIRE,
    ST_UNLEASHED,
    ST_FLAMETHROWER,
    ST_FLAMINGTORCH,
};

inline constexpr std::int32_t kLastSpellType = ST_FLAMINGTORCH;

// A spell the hero owns and casts in battle for MP. Each kind is a class of
// its own; `type` lets a stored record be rebuilt as its kind.
class Spell : public Item {
public:
    Spell() = default;
    explicit Spell(const Spell* newspell) : Spell(*newspell) {}
    // Owned through std::unique_ptr<Spell>, so destruction must reach the kind.
    virtual ~Spell() = default;

    // Acts on elist[0]; ecount is carried for the interface's sake only.
    // Without a target nothing happens: no words, no draw.
    void Cast(Entity* elist, int ecount) {
        static_cast<void>(ecount);
        if (elist != nullptr) CastOn(*elist);
    }

    void SetMPCost(int newmpcost) { mpcost = newmpcost; }
    int GetMPCost() const { return mpcost; }
    void SetPower(int newpower) { power = newpower; }
    int GetPower() const { return power; }
    void SetSpellType(Spell_Type newtype) { type = newtype; }
    Spell_Type GetSpellType() const { return type; }

protected:
    Spell(const Spell&) = default;
    Spell& operator=(const Spell&) = default;

    int mpcost = 0;
    int power = 0;
    Spell_Type type = ST_GENERIC;

private:
    // What the kind does to its target; a spell without a kind does nothing.
    virtual void CastOn(Entity& target);
};

// A new spell of the class that `from`'s type selects, with name, price, MP
// cost, power and type copied from it (a plain Spell for ST_GENERIC). This is
// how a stored record becomes its kind again. nullptr for a null record or a
// type that names no kind. Defined with the kinds, in abilities/; the hero's
// collections store their copies through it.
std::unique_ptr<Spell> MakeSpell(const Spell* from);

}  // namespace vaskarn
