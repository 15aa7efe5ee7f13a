#pragma once

#include <memory>
#include <string>
#include <vector>

#include "combat/battle.h"
#include "core/services.h"
#include "support/test_world.h"

// What every battle test shares: the fixed texts of the battle screens, a
// spell and a special attack of the tests' own, and a hero with a group.
namespace vaskarn::testing {

inline const std::string P = "\nPress the Enter key to continue\n\n";
inline const std::string kOpening = "You hold up your Bent Dagger and prepare to fight.\n" + P + "\n\n\n";
inline const std::string kMenu =
    "1. Attack\n2. Spell\n3. Potion\n4. Special Attack\n5. Defend\n6. Fire Arrow\n7. Retreat\n>\n\n";
inline const std::string kMenuAsked = kMenu.substr(0, kMenu.size() - 2);  // the input ended at the prompt
inline const std::string kBowMenu =
    "Bow: Yew Bow\nRanged Power: 10\n\nWhich bow move would you like to use?\n\n1. Powershot\n2. Rainfire\n"
    "3. Poisoned Arrow\n>\n\n";
inline const std::string kWin = "You Win!\n" + P;

inline std::string Status(int hp, int mp = 10, int energy = 20, int arrows = 0, bool defending = false) {
    return "Aric the Squire - Level 1 \nHP: " + std::to_string(hp) + "/40\nMP: " + std::to_string(mp) +
           "/10\nEnergy: " + std::to_string(energy) + "/20\nArrows: " + std::to_string(arrows) + "\n" +
           (defending ? "Defending\n" : "") + "\n";
}
inline std::string Round(const std::string& monsters, const std::string& status) {
    return "\n\n" + monsters + "\n\n" + status + kMenu;
}
inline std::string Kill(const std::string& name, const std::string& word) {
    return "You killed the " + name + ".\n" + word + " 2 XP and 3 gold.\n" + P;
}

// Both print what they do to their target and take 10 HP from it; each costs 5.
struct Bolt : Spell {
    Bolt() { SetName("Bolt"); SetMPCost(5); SetPower(10); }
    void CastOn(Entity& target) override {
        io() << "Bolt hits " << target.GetName() << ".\n";
        target.LoseHP(10);
    }
};
struct Slash : Special_Attack {
    Slash() { SetName("Slash"); SetEnergyCost(5); SetPower(10); }
    void AttackOn(Entity& target) override {
        io() << "Slash hits " << target.GetName() << ".\n";
        target.LoseHP(10);
    }
};

struct Fight {
    TestWorld world;
    Player hero;
    std::vector<Monster> group;

    explicit Fight(std::vector<int> hps) {
        hero.SetName("Aric");
        hero.SetGroupName("Squire");
        for (std::size_t i = 0; i < hps.size(); ++i)  // the second is a Bat; a dead one has max HP 5
            group.emplace_back().CreateMonster(i == 1 ? "Bat" : "Rat", hps[i], hps[i] > 0 ? hps[i] : 5, 3, 2, 1, 0, 0);
    }
    void GiveBow(int arrows) {
        hero.SetBow(true);
        hero.SetBowName("Yew Bow");
        hero.SetBowPower(10);
        hero.SetArrows(arrows);
    }
    // Each key on its own line behind enough empty lines for every pause before it.
    bool Run(const std::vector<std::string>& keys, int pad = 12) {
        std::string input;
        for (const std::string& key : keys) input += std::string(static_cast<std::size_t>(pad), '\n') + key + "\n";
        world.SetInput(input + std::string(static_cast<std::size_t>(pad), '\n'));
        return battle(&hero, group.data(), static_cast<int>(group.size()));
    }
};

}  // namespace vaskarn::testing
