#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "model/arith.h"
#include "model/entity.h"
#include "model/items.h"
#include "model/name.h"
#include "model/slots.h"
#include "model/special_attack.h"
#include "model/spell.h"

namespace vaskarn {

inline constexpr std::size_t kPotionSlots = 100;
inline constexpr std::size_t kSpellSlots = 100;
inline constexpr std::size_t kSpecialAttackSlots = 100;
inline constexpr std::size_t kInventorySlots = 100;
inline constexpr std::size_t kGodPowerSlots = 10;
inline constexpr std::size_t kBlessingSlots = 20;

using PotionSlots = Slots<Potion, kPotionSlots>;
using SpellSlots = Slots<Spell, kSpellSlots>;
using SpecialAttackSlots = Slots<Special_Attack, kSpecialAttackSlots>;
using InventorySlots = Slots<Inventory, kInventorySlots>;
using GodPowerSlots = Slots<God_Power, kGodPowerSlots>;
using BlessingSlots = Slots<Blessings, kBlessingSlots>;

// The hero: the one record the save files keep.
class Player : public Entity {
public:
    Player();
    // Collections own their entries; a hero is never copied, only saved.
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void SetAttack(int v) { attack = v; }
    int GetAttack() const { return attack; }
    void AddAttack(int amount);
    void SetDefense(int v) { defense = v; }
    int GetDefense() const { return defense; }
    void AddDefense(int amount);
    void SetStrength(int v) { strength = v; }
    int GetStrength() const { return strength; }
    void AddStrength(int amount);
    void SetLevel(int v) { level = v; }
    int GetLevel() const { return level; }

    void SetTokens(int v) { tokens = v; }
    int GetTokens() const { return tokens; }
    void AddTokens(int amount);
    void UseTokens(int amount);
    void SetBars(int v) { bars = v; }
    int GetBars() const { return bars; }
    void AddBars(int amount);
    void UseBars(int amount);

    void SetHerbloreLevel(int v) { herblore_level = v; }
    int GetHerbloreLevel() const { return herblore_level; }
    void SetHerbloreXP(int v) { herblore_xp = v; }
    int GetHerbloreXP() const { return herblore_xp; }
    void AddHerbloreXP(int amount);
    void SetSmithingLevel(int v) { smithing_level = v; }
    int GetSmithingLevel() const { return smithing_level; }
    void SetSmithingXP(int v) { smithing_xp = v; }
    int GetSmithingXP() const { return smithing_xp; }
    void AddSmithingXP(int amount);

    void SetWorkshopJob(int v) { workshop_job = v; }
    int GetWorkshopJob() const { return workshop_job; }

    void SetBankAmount(int v) { bankamount = v; }
    int GetBankAmount() const { return bankamount; }
    // Both clamp the balance at 0 and then save the player file (not the
    // bank file); true when that save succeeded.
    bool AddBankAmount(int amount);
    bool SubtractBankAmount(int amount);

    void SetBow(bool has) { bow = has; }
    bool HasBow() const { return bow; }
    void SetBowPower(int v) { bowpower = v; }
    int GetBowPower() const { return bowpower; }
    // Stores a non-empty name of at most 35 characters; otherwise keeps the old one.
    void SetBowName(std::string_view newname) { bowname.AssignIfFits(newname); }
    std::string_view GetBowName() const { return bowname.View(); }
    void SetArrows(int amount) { arrows = amount < 0 ? 0 : amount; }
    void AddArrows(int amount) { SetArrows(SatAdd(arrows, amount)); }
    void UseArrows(int amount) { SetArrows(SatSub(arrows, amount)); }
    int GetArrows() const { return arrows; }

    void SetGroup(int v) { groupnumber = v; }
    int GetGroup() const { return groupnumber; }
    // Class titles and names read back from the file; cut to 35 characters.
    void SetGroupName(std::string_view newname) { groupname.Assign(newname); }
    std::string_view GetGroupName() const { return groupname.View(); }

    bool SetGrasslands(bool v) { grasslandscomplete = v; return true; }
    bool GetGrasslands() const { return grasslandscomplete; }
    bool SetForest(bool v) { forestcomplete = v; return true; }
    bool GetForest() const { return forestcomplete; }
    bool SetMeadow(bool v) { meadowcomplete = v; return true; }
    bool GetMeadow() const { return meadowcomplete; }
    bool SetOceanCity(bool v) { oceancitycomplete = v; return true; }
    bool GetOceanCity() const { return oceancitycomplete; }
    bool SetForest2(bool v) { forest2complete = v; return true; }
    bool GetForest2() const { return forest2complete; }
    bool SetMountain(bool v) { mountaincomplete = v; return true; }
    bool GetMountain() const { return mountaincomplete; }
    bool SetHeaven(bool v) { heavencomplete = v; return true; }
    bool GetHeaven() const { return heavencomplete; }
    bool SetSwamp(bool v) { swampcomplete = v; return true; }
    bool GetSwamp() const { return swampcomplete; }
    bool SetGraveyard(bool v) { graveyardcomplete = v; return true; }
    bool GetGraveyard() const { return graveyardcomplete; }
    bool SetHellFire(bool v) { hellfirecomplete = v; return true; }
    bool GetHellFire() const { return hellfirecomplete; }
    bool SetVroengard(bool v) { vroengardcomplete = v; return true; }
    bool GetVroengard() const { return vroengardcomplete; }
    bool SetCastle(bool v) { castlecomplete = v; return true; }
    bool GetCastle() const { return castlecomplete; }
    bool SetRuneKing(bool v) { runekingcomplete = v; return true; }
    bool GetRuneKing() const { return runekingcomplete; }
    bool SetPeace(bool v) { peacecomplete = v; return true; }
    bool GetPeace() const { return peacecomplete; }
    bool SetKing(bool v) { kingcomplete = v; return true; }
    bool GetKing() const { return kingcomplete; }

    // The equipped weapon and armour: whole records, replaced by copy.
    Weapon* GetWeapon() { return &weapon; }
    const Weapon* GetWeapon() const { return &weapon; }
    void SetWeapon(const Weapon& w) { weapon = w; }
    Armor* GetCape() { return &cape; }
    const Armor* GetCape() const { return &cape; }
    void SetCape(const Armor& a) { cape = a; }
    Armor* GetHelm() { return &helm; }
    const Armor* GetHelm() const { return &helm; }
    void SetHelm(const Armor& a) { helm = a; }
    Armor* GetPlatebody() { return &pb; }
    const Armor* GetPlatebody() const { return &pb; }
    void SetPlatebody(const Armor& a) { pb = a; }
    Armor* GetPlatelegs() { return &pl; }
    const Armor* GetPlatelegs() const { return &pl; }
    void SetPlatelegs(const Armor& a) { pl = a; }
    Armor* GetShield() { return &shield; }
    const Armor* GetShield() const { return &shield; }
    void SetShield(const Armor& a) { shield = a; }
    Armor* GetGauntlets() { return &gauntlets; }
    const Armor* GetGauntlets() const { return &gauntlets; }
    void SetGauntlets(const Armor& a) { gauntlets = a; }

    // --- Collections: the adding operations store their own copy. ---
    void AddPotion(const Potion* p);
    // The same as `count` calls of AddPotion with `p`, done at once: every
    // unit after the first adds one dose. Nothing for a count below 1.
    void AddPotions(const Potion* p, int count);
    // Whether AddPotion would keep a potion of this name: one is held, or a
    // slot is free.
    bool HasRoomForPotion(std::string_view name) const;
    void AddSpell(const Spell* s);
    void AddSpecialAttack(const Special_Attack* a);
    void AddItem(const Inventory* i);
    void AddGod_Power(const God_Power* g);
    void AddBlessing(const Blessings* b);

    PotionSlots& GetPotion() { return potion; }
    const PotionSlots& GetPotion() const { return potion; }
    SpellSlots& GetSpell() { return spell; }
    const SpellSlots& GetSpell() const { return spell; }
    SpecialAttackSlots& GetSpecialAttack() { return specialattack; }
    const SpecialAttackSlots& GetSpecialAttack() const { return specialattack; }
    InventorySlots& GetInventory() { return inventory; }
    const InventorySlots& GetInventory() const { return inventory; }
    GodPowerSlots& GetGodPower() { return godpower; }
    const GodPowerSlots& GetGodPower() const { return godpower; }
    BlessingSlots& GetBlessings() { return blessings; }
    const BlessingSlots& GetBlessings() const { return blessings; }

    // --- Levels, ranks and death. ---
    bool CheckForLevelUp();
    bool CheckRank(Player* hero);
    void AddHerbloreLevel(Player* hero);
    void AddSmithingLevel(Player* hero);
    void HasDied();
    void RestoreAll();

    // --- The save files (Player.dll, Bank.dll). Saves report success. ---
    bool Save() const;
    void Load();
    bool SaveBank() const;
    void LoadBank();

private:
    Name groupname;
    Name bowname;
    int bowpower = 0;
    int groupnumber = 1;
    int attack = 1;
    int defense = 1;
    int strength = 1;
    int level = 1;
    int tokens = 0;
    int bars = 0;
    int herblore_level = 1;
    int herblore_xp = 0;
    int smithing_level = 1;
    int smithing_xp = 0;
    bool grasslandscomplete = false;
    bool forestcomplete = false;
    bool meadowcomplete = false;
    bool oceancitycomplete = false;
    bool forest2complete = false;
    bool mountaincomplete = false;
    bool heavencomplete = false;
    bool swampcomplete = false;
    bool graveyardcomplete = false;
    bool hellfirecomplete = false;
    bool vroengardcomplete = false;
    bool castlecomplete = false;
    bool runekingcomplete = false;
    bool peacecomplete = false;
    bool kingcomplete = false;
    bool bow = false;
    int arrows = 0;
    int bankamount = 0;
    int workshop_job = 0;
    Weapon weapon;
    Armor cape;
    Armor helm;
    Armor pb;
    Armor pl;
    Armor shield;
    Armor gauntlets;
    PotionSlots potion;
    SpellSlots spell;
    SpecialAttackSlots specialattack;
    InventorySlots inventory;
    GodPowerSlots godpower;
    BlessingSlots blessings;
};

}  // namespace vaskarn
