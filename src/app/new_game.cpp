#include "app/new_game.h"

#include <array>
#include <cctype>
#include <string>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "app/title.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

// The longest name the creation dialogue accepts; longer words are cut.
constexpr std::size_t kMaxTypedName = 19;

constexpr std::array<HeroClass, 5> kClasses = {{
    {'1', "A Fierce Warrior", "Squire", 1, 40, 10, 20, "Bronze Dagger", 6, StartingGift::Cleave},
    {'2', "A Powerful Mage", "Monk", 2, 20, 30, 15, "Staff", 2, StartingGift::MageSpells},
    {'3', "An Expert Marksman", "Archer", 3, 30, 25, 20, "Wooden Stick", 1, StartingGift::Shortbow},
    {'4', "A Cunning Thief", "Knave", 4, 40, 10, 30, "Tin Blade", 5, StartingGift::None},
    {'5', "An Adventurous Scout", "Watchman", 5, 25, 15, 25, "Copper Sword", 3, StartingGift::None},
}};

// First letter upper case, the rest lower case. Bytes go through unsigned
// char: a negative char is outside what toupper/tolower accept.
std::string Capitalised(std::string word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        word[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    return word;
}

void GiveGift(Player& hero, StartingGift gift) {
    switch (gift) {
    case StartingGift::None:
        break;
    case StartingGift::Cleave: {
        const Cleave1 cleave;
        hero.AddSpecialAttack(&cleave);
        break;
    }
    case StartingGift::MageSpells: {
        const Fireball fireball;
        hero.AddSpell(&fireball);
        const Minor_Healing healing;
        hero.AddSpell(&healing);
        break;
    }
    case StartingGift::Shortbow:
        hero.SetBow(true);
        hero.SetBowName("Shortbow");
        hero.SetBowPower(3);
        hero.SetArrows(50);
        break;
    }
}

void ApplyClass(Player& hero, const HeroClass& chosen) {
    hero.SetGroupName(chosen.title);
    hero.SetMaxHP(chosen.maxhp);
    hero.SetMaxMP(chosen.maxmp);
    hero.SetMaxEnergy(chosen.maxenergy);
    hero.SetGroup(chosen.group);
    Weapon weapon;
    weapon.CreateWeapon(chosen.weapon, chosen.damage, 0);
    hero.SetWeapon(weapon);
    GiveGift(hero, chosen.gift);
}

}  // namespace

std::span<const HeroClass> HeroClasses() { return kClasses; }

void ShowClassMenu() {
    for (const HeroClass& entry : kClasses) io() << entry.key << ". " << entry.label << "\n";
}

void SetPlayer(Player* hero) {
    Console& con = io();
    con << "\n\nSpirit:\n"
           "I have heard your prayers, and at last I have come to you.\n"
           "Listen well, for there is little time. Your village is in great\n"
           "trouble: the Wraiths of the Rune King roam the land, and no one\n"
           "has the strength to stand against them.\n"
           "But you are not like the others. I can feel it. Within you lies\n"
           "a great power, one that even you do not know of yet.\n";
    wait();

    con << "Before I begin, may I ask, what were you once known as?\n";
    con.Prompt();
    std::string typed = con.ReadWord();
    if (typed.size() > kMaxTypedName) typed.resize(kMaxTypedName);
    hero->SetName(Capitalised(std::move(typed)));

    con << "\n\nThe Mourning Sage:\n"
           "Hmmm...an interesting choice. Now, may I ask,\n"
           "what do you favor yourself as?\n\n\n";
    for (;;) {
        ShowClassMenu();
        con.Prompt();
        const char key = con.ReadChar();
        bool chose = false;
        for (const HeroClass& entry : kClasses) {
            if (entry.key == key) {
                ApplyClass(*hero, entry);
                chose = true;
            }
        }
        if (!chose) con << "\n";
        // The constructor's group name means no class has been chosen yet.
        if (hero->GetGroupName() != "Hero") break;
        con << "\n";
    }

    con << "\n\n\n";
    hero->RestoreFullHP();
    hero->RestoreFullMP();
    hero->RestoreFullEnergy();

    con << "The Mourning Sage:\n"
           "Ah, what an excellent choice. Now, I must warn\n"
           "you that the Rune King must be defeated. To defeat him,\n"
           "you must complete the quests, and then go to the boat\n"
           "dock that lays directly towards the village. There, you\n"
           "will see a man, who you can pay to go to Vroengard.\n"
           "Very well, I am done with this conversation. So go into\n"
        << "the world " << hero->GetName() << " the " << hero->GetGroupName()
        << ", for everyone needs you!\n\n";
    wait();

    con << "The Mourning Sage raises both hands, and a white portal opens\n"
           "before you, bright as the sun. You step into it, and the light\n"
           "swallows you whole. Your head spins, and you faint.\n"
           "When you wake, you are lying on the ground in the middle of\n"
           "many roads, stretching away in every direction.\n";

    Clear(hero->GetInventory());
    Clear(hero->GetBlessings());
    Clear(hero->GetPotion());
}

void NewGame(GameState& game) {
    SetPlayer(&game.player);
    RunScreens(&game.player, crossroads);
}

}  // namespace vaskarn
