#include "world/stats.h"

#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "persistence/save_files.h"

namespace vaskarn {
namespace {

void ShowHeader(const Player& hero) {
    Console& con = io();
    con << "\n" << hero.GetName() << " the " << hero.GetGroupName() << " - Level " << hero.GetLevel() << " "
        << (hero.IsPoisoned() ? "(Poisoned) \n" : "\n") << "\n";
    con << "Combat Stats\n\n"
        << "Attack: " << hero.GetAttack() << "\n"
        << "Defense: " << hero.GetDefense() << "\n"
        << "Strength: " << hero.GetStrength() << "\n\n";
    con << "Player Attributes\n\n"
        << "HP: " << hero.GetHP() << "/" << hero.GetMaxHP() << "\n"
        << "MP: " << hero.GetMP() << "/" << hero.GetMaxMP() << "\n"
        << "Energy: " << hero.GetEnergy() << "/" << hero.GetMaxEnergy() << "\n"
        << "Gold: " << hero.GetGold() << "\n"
        << "XP: " << hero.GetXP() << "\n"
        << "Next Level At: " << SatMul(SatMul(hero.GetLevel(), hero.GetLevel()), 30) << "\n\n";
    wait();
}

struct QuestLine {
    bool (Player::*done)() const;
    const char* line;
};

constexpr QuestLine kQuestLog[] = {
    {&Player::GetGrasslands, "Grasslands Quest Complete\n"},
    {&Player::GetForest, "Rainforest Quest Complete\n"},
    {&Player::GetMeadow, "Meadow Quest Complete\n"},
    {&Player::GetOceanCity, "Ocean City Quest Complete\n"},
    {&Player::GetForest2, "Elven Forest Quest Complete\n"},
    {&Player::GetSwamp, "Swamplands Quest Complete\n"},
    {&Player::GetHeaven, "Heaven Quest Complete\n"},
    {&Player::GetGraveyard, "Graveyard Quest Complete\n"},
    {&Player::GetMountain, "Mountain Quest Complete\n"},
    {&Player::GetHellFire, "Hell Fire Quest Complete\n"},
    {&Player::GetVroengard, "Vroengard Complete\n"},
    {&Player::GetCastle, "Castle Complete\n"},
    {&Player::GetRuneKing, "Rune King Quest Complete\n"},
    {&Player::GetPeace, "Peace Quest Complete\n"},
    {&Player::GetKing, "King Quest Complete\n\n"},
};

void ShowQuestLog(const Player& hero) {
    if (!hero.GetGrasslands() && !hero.GetForest() && !hero.GetMeadow())
        io() << "You currently have no quests complete.\n";
    for (const QuestLine& quest : kQuestLog)
        if ((hero.*quest.done)()) io() << quest.line;
}

// Lists the held entries of a collection, numbered from 1 by slot, after the
// heading; `none` is shown when the first slot is empty, as the first slot
// is the one that fills first.
template <typename SlotArray, typename Describe>
void ShowCollection(const SlotArray& slots, const char* heading, const char* none, Describe describe) {
    io() << heading;
    if (!slots[0]) io() << none;
    ListHeld(slots, describe);
}

void ShowEquipment(const Player& hero) {
    Console& con = io();
    con << "Weapon: " << hero.GetWeapon()->GetName() << "\n"
        << "Atk Power: " << hero.GetWeapon()->GetDamage() << "\n";
    const struct {
        const char* label;
        const Armor* piece;
    } pieces[] = {
        {"Helm: ", hero.GetHelm()},           {"Cape: ", hero.GetCape()},
        {"Platebody: ", hero.GetPlatebody()}, {"Platelegs: ", hero.GetPlatelegs()},
        {"Shield: ", hero.GetShield()},       {"Gauntlets: ", hero.GetGauntlets()},
    };
    // The weapon counts as the first piece: an empty line separates each
    // piece from the one before, and the total follows the last directly.
    int total = 0;
    for (const auto& [label, piece] : pieces) {
        con << "\n" << label << piece->GetName() << "\n"
            << "Protection: " << piece->GetProtection() << "\n";
        total = SatAdd(total, piece->GetProtection());
    }
    con << "Total Protection: " << total << "\n";
}

void ShowCrafting(const Player& hero) {
    Console& con = io();
    const int herblore = hero.GetHerbloreLevel();
    const int smithing = hero.GetSmithingLevel();
    con << "Herblore Level: " << herblore << "\n"
        << "Herblore XP: " << hero.GetHerbloreXP() << "\n"
        << "Next Level At: " << SatMul(SatMul(herblore, herblore), 20) << "\n\n"
        << "Smithing Level: " << smithing << "\n"
        << "Smithing XP: " << hero.GetSmithingXP() << "\n"
        << "Next Level At: " << SatMul(SatMul(smithing, smithing), 20) << "\n\n"
        << "Crafting Materials\n\n"
        << "Tokens: " << hero.GetTokens() << "\n"
        << "Bars: " << hero.GetBars() << "\n";
}

void ShowQuiver(const Player& hero) {
    if (hero.HasBow()) {
        io() << "Bow: " << hero.GetBowName() << "\n"
             << "Ranged Power: " << hero.GetBowPower() << "\n\n"
             << "Arrows: " << hero.GetArrows() << "\n";
    } else {
        io() << "You don't have a bow yet.\n\n\n";
    }
}

void ShowClock() {
    const PlayTime played = PlayTimeFromMillis(gameClock().ProcessMillis());
    io() << "Game Time Play\n"
         << "Hours: " << played.hours << "\n"
         << "Minutes: " << played.minutes << "\n"
         << "Seconds: " << played.seconds << "\n\n";
}

void SaveGame(const Player& hero) {
    if (SaveHeroAndBank(hero))
        io() << "\nGame Saved!\n\n\n\n";
    else
        io() << "\nThe game could not be saved.\n\n\n\n";
}

}  // namespace

PlayTime PlayTimeFromMillis(std::int64_t millis) {
    const std::int64_t totalSeconds = millis > 0 ? millis / 1000 : 0;
    const std::int64_t totalMinutes = totalSeconds / 60;
    return PlayTime{totalMinutes / 60, totalMinutes % 60, totalSeconds % 60};
}

Transition stats(Player* player) {
    ShowHeader(*player);
    return GoTo(statsmenu);
}

Transition statsmenu(Player* player) {
    Console& con = io();
    const Player& hero = *player;
    con << "1. View Quest Log \n"
           "2. View Inventory \n"
           "3. View Equipment \n"
           "4. God Powers Obtained \n"
           "5. Blessings Earned \n"
           "6. Spells Learned \n"
           "7. Potion Inventory \n"
           "8. Crafting Skills \n"
           "9. Special Attacks Learned \n"
           "10. View Quiver \n"
           "11. Save Game \n"
           "12. View Clock \n"
           "0. Return To Game \n";
    con.Prompt();
    const std::string choice = con.ReadWord();
    con << "\n\n";

    if (choice == "0") return Back();
    if (choice == "11") {
        SaveGame(hero);
        return Stay();
    }
    if (choice == "1") {
        ShowQuestLog(hero);
    } else if (choice == "2") {
        ShowCollection(hero.GetInventory(), "Inventory\n\n", "You have no inventory items.\n",
                       [](const Inventory& item) { io() << " - Value: " << item.GetPrice(); });
    } else if (choice == "3") {
        ShowEquipment(hero);
    } else if (choice == "4") {
        ShowCollection(hero.GetGodPower(), "God Powers\n\n", "You have no god powers.\n",
                       [](const God_Power& power) { io() << " - Power: " << power.GetPower(); });
    } else if (choice == "5") {
        ShowCollection(hero.GetBlessings(), "Blessings\n\n", "You have no blessings.\n",
                       [](const Blessings& blessing) { io() << " - Value: " << blessing.GetValue(); });
    } else if (choice == "6") {
        ShowCollection(hero.GetSpell(), "Spells\n\n", "You have no spells.\n\n", [](const Spell& spell) {
            io() << " - MP Cost: " << spell.GetMPCost() << " - Power: " << spell.GetPower();
        });
    } else if (choice == "7") {
        ShowCollection(hero.GetPotion(), "Potions\n\n", "You have no potions.\n\n", [](const Potion& potion) {
            io() << " (" << potion.GetAmount() << ") - HP Restore: " << potion.GetHPRestore()
                 << " :: MP Restore: " << potion.GetMPRestore();
        });
    } else if (choice == "8") {
        ShowCrafting(hero);
    } else if (choice == "9") {
        ShowCollection(hero.GetSpecialAttack(), "Special Attacks\n\n", "You have no special attacks.\n",
                       [](const Special_Attack& attack) {
                           io() << " - Energy Cost: " << attack.GetEnergyCost() << " :: Power: " << attack.GetPower();
                       });
    } else if (choice == "10") {
        ShowQuiver(hero);
    } else if (choice == "12") {
        ShowClock();
    } else {
        return Stay();
    }
    wait();
    return Stay();
}

}  // namespace vaskarn
