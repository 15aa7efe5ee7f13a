#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "core/end_of_game.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "persistence/binary_codec.h"
#include "persistence/save_files.h"

namespace vaskarn {
namespace {

using OptInt = std::optional<std::int32_t>;
using OptFlag = std::optional<bool>;
using OptText = std::optional<std::string>;

struct FlagField {
    bool (Player::*get)() const;
    bool (Player::*set)(bool);
};

// The progress flags in file order.
const std::array<FlagField, 15> kProgressFlags = {{
    {&Player::GetGrasslands, &Player::SetGrasslands},
    {&Player::GetForest, &Player::SetForest},
    {&Player::GetMeadow, &Player::SetMeadow},
    {&Player::GetOceanCity, &Player::SetOceanCity},
    {&Player::GetForest2, &Player::SetForest2},
    {&Player::GetMountain, &Player::SetMountain},
    {&Player::GetHeaven, &Player::SetHeaven},
    {&Player::GetSwamp, &Player::SetSwamp},
    {&Player::GetGraveyard, &Player::SetGraveyard},
    {&Player::GetHellFire, &Player::SetHellFire},
    {&Player::GetVroengard, &Player::SetVroengard},
    {&Player::GetCastle, &Player::SetCastle},
    {&Player::GetRuneKing, &Player::SetRuneKing},
    {&Player::GetPeace, &Player::SetPeace},
    {&Player::GetKing, &Player::SetKing},
}};

struct ArmorField {
    const Armor* (Player::*get)() const;
    void (Player::*set)(const Armor&);
};

// The file keeps the armour in its own order, not the record's.
const std::array<ArmorField, 6> kArmorInFileOrder = {{
    {&Player::GetHelm, &Player::SetHelm},
    {&Player::GetPlatebody, &Player::SetPlatebody},
    {&Player::GetPlatelegs, &Player::SetPlatelegs},
    {&Player::GetCape, &Player::SetCape},
    {&Player::GetShield, &Player::SetShield},
    {&Player::GetGauntlets, &Player::SetGauntlets},
}};

// A weapon or armour piece: name, damage or protection, price.
struct StoredGear {
    OptText name;
    OptInt value;
    OptInt price;

    bool AnyRead() const { return name || value || price; }
};

// The fixed part as read; a field the file did not reach stays empty and
// leaves the hero's own value alone.
struct FixedPart {
    OptText name, groupname;
    OptInt group, gold, hp, maxhp, mp, maxmp, energy, maxenergy, level, attack, defense, strength;
    OptInt herblore_xp, herblore_level, smithing_xp, smithing_level, tokens, bars, xp;
    OptFlag poisoned;
    OptInt workshop_job;
    OptFlag bow;
    OptText bowname;
    OptInt bowpower, arrows;
    std::array<OptFlag, 15> progress;
    StoredGear weapon;
    std::array<StoredGear, 6> armor;  // file order
};

void WriteGear(ByteWriter& out, const Item& item, int value) {
    out.Text36(item.GetName());
    out.Int32(value);
    out.Int32(item.GetPrice());
}

StoredGear ReadGear(ByteReader& in) {
    StoredGear gear;
    gear.name = in.Text36();
    gear.value = in.Int32();
    gear.price = in.Int32();
    return gear;
}

FixedPart ReadFixedPart(ByteReader& in) {
    FixedPart f;
    f.name = in.Text36();
    f.groupname = in.Text36();
    for (OptInt* field : {&f.group, &f.gold, &f.hp, &f.maxhp, &f.mp, &f.maxmp, &f.energy, &f.maxenergy, &f.level,
                          &f.attack, &f.defense, &f.strength, &f.herblore_xp, &f.herblore_level, &f.smithing_xp,
                          &f.smithing_level, &f.tokens, &f.bars, &f.xp})
        *field = in.Int32();
    f.poisoned = in.Flag();
    f.workshop_job = in.Int32();
    f.bow = in.Flag();
    f.bowname = in.Text36();
    f.bowpower = in.Int32();
    f.arrows = in.Int32();
    for (OptFlag& flag : f.progress) flag = in.Flag();
    f.weapon = ReadGear(in);
    for (StoredGear& piece : f.armor) piece = ReadGear(in);
    return f;
}

// A gear record is rebuilt from the three stored fields; one the file did
// not reach keeps the hero's value.
template <typename Gear>
Gear RebuildGear(const StoredGear& stored, const Gear& current) {
    Gear gear;
    gear.SetName(stored.name ? std::string_view(*stored.name) : current.GetName());
    gear.SetPrice(stored.price.value_or(current.GetPrice()));
    if constexpr (std::is_same_v<Gear, Weapon>)
        gear.SetDamage(stored.value.value_or(current.GetDamage()));
    else
        gear.SetProtection(stored.value.value_or(current.GetProtection()));
    return gear;
}

// A list's count; never trusted as a size, only as an upper bound of the
// entries that the rest of the file can actually hold.
int ReadCount(ByteReader& in) { return std::max(in.Int32().value_or(0), 0); }

// The count of held entries, then each held entry in slot order.
template <typename T, std::size_t N, typename WriteEntry>
void WriteList(ByteWriter& out, const Slots<T, N>& slots, WriteEntry write) {
    out.Int32(static_cast<std::int32_t>(CountHeld(slots)));
    for (const auto& entry : slots)
        if (entry) write(*entry);
}

// Reads a list's count, then hands each entry to `add`. Stops at the first
// entry the file cannot hold in full, so a huge count costs nothing.
template <typename ReadEntry, typename Add>
void ReadList(ByteReader& in, ReadEntry read, Add add) {
    for (int n = ReadCount(in); n > 0; --n) {
        const auto entry = read(in);
        if (!entry) return;
        add(*entry);
    }
}

struct StoredPotion {
    std::string name;
    std::int32_t price, hprestore, mprestore, amount;
};

std::optional<StoredPotion> ReadPotion(ByteReader& in) {
    const OptText name = in.Text36();
    const OptInt price = in.Int32(), hp = in.Int32(), mp = in.Int32(), amount = in.Int32();
    if (!(name && price && hp && mp && amount)) return std::nullopt;
    return StoredPotion{*name, *price, *hp, *mp, *amount};
}

// An item, god power or blessing: a name and one number.
struct StoredNamedValue {
    std::string name;
    std::int32_t value;
};

std::optional<StoredNamedValue> ReadNamedValue(ByteReader& in) {
    const OptText name = in.Text36();
    const OptInt value = in.Int32();
    if (!(name && value)) return std::nullopt;
    return StoredNamedValue{*name, *value};
}

// A spell or special attack: name, price, power, MP or energy cost, type.
struct StoredAbility {
    std::string name;
    std::int32_t price, power, cost, type;
};

std::optional<StoredAbility> ReadAbility(ByteReader& in) {
    const OptText name = in.Text36();
    const OptInt price = in.Int32(), power = in.Int32(), cost = in.Int32(), type = in.Int32();
    if (!(name && price && power && cost && type)) return std::nullopt;
    return StoredAbility{*name, *price, *power, *cost, *type};
}

void LoadPotions(ByteReader& in, Player& hero) {
    Clear(hero.GetPotion());
    ReadList(in, ReadPotion, [&](const StoredPotion& stored) {
        if (stored.amount <= 0) return;
        // The stored amount arrives whole rather than one dose per add: the
        // same potion results, and a hostile amount cannot stall the game
        // (on a full collection the refusal shows once per entry, not per dose).
        auto& slots = hero.GetPotion();
        const auto held =
            std::find_if(slots.begin(), slots.end(), [&](const auto& p) { return p && p->GetName() == stored.name; });
        if (held != slots.end()) {
            (*held)->AddAmount(stored.amount);
            return;
        }
        Potion temp;
        temp.CreatePotion(stored.name, stored.hprestore, stored.mprestore, stored.price);
        temp.SetAmount(stored.amount);
        hero.AddPotion(&temp);
    });
}

void LoadItems(ByteReader& in, Player& hero) {
    Clear(hero.GetInventory());
    ReadList(in, ReadNamedValue, [&](const StoredNamedValue& stored) {
        Inventory temp;
        temp.CreateItem(stored.name, stored.value);
        hero.AddItem(&temp);
        io() << "\n";
    });
}

void LoadGodPowers(ByteReader& in, Player& hero) {
    Clear(hero.GetGodPower());
    ReadList(in, ReadNamedValue, [&](const StoredNamedValue& stored) {
        God_Power temp;
        temp.CreateGodPower(stored.name, stored.value);
        hero.AddGod_Power(&temp);
    });
}

void LoadBlessings(ByteReader& in, Player& hero) {
    Clear(hero.GetBlessings());
    ReadList(in, ReadNamedValue, [&](const StoredNamedValue& stored) {
        Blessings temp;
        temp.CreateBlessing(stored.name, stored.value);
        hero.AddBlessing(&temp);
    });
}

// The adding operations turn the plain stored records back into their kinds.
void LoadSpells(ByteReader& in, Player& hero) {
    Clear(hero.GetSpell());
    ReadList(in, ReadAbility, [&](const StoredAbility& stored) {
        Spell temp;
        temp.SetName(stored.name);
        temp.SetPrice(stored.price);
        temp.SetPower(stored.power);
        temp.SetMPCost(stored.cost);
        temp.SetSpellType(static_cast<Spell_Type>(stored.type));
        hero.AddSpell(&temp);
    });
}

void LoadSpecialAttacks(ByteReader& in, Player& hero) {
    Clear(hero.GetSpecialAttack());
    ReadList(in, ReadAbility, [&](const StoredAbility& stored) {
        Special_Attack temp;
        temp.SetName(stored.name);
        temp.SetPrice(stored.price);
        temp.SetPower(stored.power);
        temp.SetEnergyCost(stored.cost);
        temp.SetAttackType(static_cast<Special_Attack_Type>(stored.type));
        hero.AddSpecialAttack(&temp);
    });
}

void EquipGear(const FixedPart& f, Player& hero) {
    if (f.weapon.AnyRead()) hero.SetWeapon(RebuildGear(f.weapon, *hero.GetWeapon()));
    for (std::size_t i = 0; i < kArmorInFileOrder.size(); ++i) {
        if (!f.armor[i].AnyRead()) continue;
        const Armor& current = *(hero.*kArmorInFileOrder[i].get)();
        (hero.*kArmorInFileOrder[i].set)(RebuildGear(f.armor[i], current));
    }
}

// In the order the setters run; a field the file did not reach is skipped.
void ApplyFixedPart(const FixedPart& f, Player& hero) {
    if (f.name) hero.SetName(*f.name);
    if (f.groupname) hero.SetGroupName(*f.groupname);
    if (f.group) hero.SetGroup(*f.group);
    if (f.bow) hero.SetBow(*f.bow);
    if (f.bowname) hero.SetBowName(*f.bowname);
    if (f.bowpower) hero.SetBowPower(*f.bowpower);
    if (f.arrows) hero.SetArrows(*f.arrows);
    if (f.gold) hero.SetGold(*f.gold);
    if (f.xp) hero.SetXP(*f.xp);
    if (f.hp) hero.SetHP(*f.hp);
    if (f.maxhp) hero.SetMaxHP(*f.maxhp);
    if (f.mp) hero.SetMP(*f.mp);
    if (f.maxmp) hero.SetMaxMP(*f.maxmp);
    if (f.energy) hero.SetEnergy(*f.energy);
    if (f.maxenergy) hero.SetMaxEnergy(*f.maxenergy);
    if (f.level) hero.SetLevel(*f.level);
    if (f.attack) hero.SetAttack(*f.attack);
    if (f.defense) hero.SetDefense(*f.defense);
    if (f.strength) hero.SetStrength(*f.strength);
    if (f.workshop_job) hero.SetWorkshopJob(*f.workshop_job);
    if (f.herblore_level) hero.SetHerbloreLevel(*f.herblore_level);
    if (f.herblore_xp) hero.SetHerbloreXP(*f.herblore_xp);
    if (f.smithing_level) hero.SetSmithingLevel(*f.smithing_level);
    if (f.smithing_xp) hero.SetSmithingXP(*f.smithing_xp);
    for (std::size_t i = 0; i < kProgressFlags.size(); ++i)
        if (f.progress[i]) (hero.*kProgressFlags[i].set)(*f.progress[i]);
    if (f.tokens) hero.SetTokens(*f.tokens);
    if (f.bars) hero.SetBars(*f.bars);
    if (f.poisoned) hero.SetPoisoned(*f.poisoned);
}

}  // namespace

std::string PlayerFileBytes(const Player& hero) {
    ByteWriter out;
    out.Text36(hero.GetName());
    out.Text36(hero.GetGroupName());
    for (int value : {hero.GetGroup(), hero.GetGold(), hero.GetHP(), hero.GetMaxHP(), hero.GetMP(), hero.GetMaxMP(),
                      hero.GetEnergy(), hero.GetMaxEnergy(), hero.GetLevel(), hero.GetAttack(), hero.GetDefense(),
                      hero.GetStrength(), hero.GetHerbloreXP(), hero.GetHerbloreLevel(), hero.GetSmithingXP(),
                      hero.GetSmithingLevel(), hero.GetTokens(), hero.GetBars(), hero.GetXP()})
        out.Int32(value);
    out.Flag(hero.IsPoisoned());
    out.Int32(hero.GetWorkshopJob());
    out.Flag(hero.HasBow());
    out.Text36(hero.GetBowName());
    out.Int32(hero.GetBowPower());
    out.Int32(hero.GetArrows());
    for (const FlagField& flag : kProgressFlags) out.Flag((hero.*flag.get)());
    const Weapon& weapon = *hero.GetWeapon();
    WriteGear(out, weapon, weapon.GetDamage());
    for (const ArmorField& field : kArmorInFileOrder) {
        const Armor& piece = *(hero.*field.get)();
        WriteGear(out, piece, piece.GetProtection());
    }

    WriteList(out, hero.GetPotion(), [&](const Potion& p) {
        out.Text36(p.GetName());
        for (int value : {p.GetPrice(), p.GetHPRestore(), p.GetMPRestore(), p.GetAmount()}) out.Int32(value);
    });
    WriteList(out, hero.GetInventory(), [&](const Inventory& i) {
        out.Text36(i.GetName());
        out.Int32(i.GetPrice());
    });
    WriteList(out, hero.GetGodPower(), [&](const God_Power& g) {
        out.Text36(g.GetName());
        out.Int32(g.GetPower());
    });
    WriteList(out, hero.GetBlessings(), [&](const Blessings& b) {
        out.Text36(b.GetName());
        out.Int32(b.GetValue());
    });
    WriteList(out, hero.GetSpell(), [&](const Spell& s) {
        out.Text36(s.GetName());
        for (int value : {s.GetPrice(), s.GetPower(), s.GetMPCost(), static_cast<int>(s.GetSpellType())})
            out.Int32(value);
    });
    WriteList(out, hero.GetSpecialAttack(), [&](const Special_Attack& a) {
        out.Text36(a.GetName());
        for (int value : {a.GetPrice(), a.GetPower(), a.GetEnergyCost(), static_cast<int>(a.GetAttackType())})
            out.Int32(value);
    });
    return out.Bytes();
}

bool Player::Save() const { return gameDir().WriteAtomically(kPlayerFile, PlayerFileBytes(*this)); }

void Player::Load() {
    const std::optional<std::string> file = gameDir().Read(kPlayerFile);
    if (!file) {
        io() << "Could not load save file. Maybe you haven't created a new\n"
             << "file yet. If not, then select New Game at the title screen,\n"
             << "and then go view your stats and save the game.\n";
        wait();
        throw EndOfGame{};
    }
    ByteReader in(*file);
    const FixedPart f = ReadFixedPart(in);
    io() << "\n";  // the empty line that follows reading the progress flags

    LoadPotions(in, *this);
    LoadItems(in, *this);
    LoadGodPowers(in, *this);
    LoadBlessings(in, *this);
    LoadSpells(in, *this);
    LoadSpecialAttacks(in, *this);
    EquipGear(f, *this);
    // The fixed part goes in last, so a refund made while the lists were
    // rebuilt does not survive.
    ApplyFixedPart(f, *this);
    io() << "\n" << "\n\n";
}

bool Player::AddBankAmount(int amount) {
    bankamount = std::max(SatAdd(bankamount, amount), 0);
    return Save();
}

bool Player::SubtractBankAmount(int amount) {
    bankamount = std::max(SatSub(bankamount, amount), 0);
    return Save();
}

}  // namespace vaskarn
