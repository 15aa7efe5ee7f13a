#include "world/regions/heaven/heaven.h"

#include <array>
#include <string_view>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/place_menu.h"
#include "world/quest_rewards.h"
#include "world/regions/heaven/library.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr std::array<MonsterTemplate, 6> kLightWarriors{{
    {"Earth Light Warrior", 600, 600, 10000, 1800, 160, 120},
    {"Nature Light Warrior", 1000, 1000, 15000, 2500, 220, 180},
    {"Sun Light Warrior", 1500, 1500, 20000, 3600, 400, 220},
    {"Light Warrior Mistress", 2500, 2500, 50000, 6000, 600, 300},
    {"Animal Light Warrior", 1500, 1500, 20000, 3000, 250, 300},
    {"Holy Samurai Warrior", 3600, 3600, 36000, 4000, 750, 330},
}};
constexpr int kLargestGroup = 6;

constexpr MonsterTemplate kGodOfLight{"God Of Light", 6000, 6000, 400000, 70000, 1200, 450};
constexpr MonsterTemplate kAbyssalDemon{"Abyssal Demon", 5000, 5000, 50000, 3000, 920, 410};

constexpr int kWarriorsForTheTemple = 20;
constexpr int kGuildLevel = 80;

constexpr int kPowerOfLightValue = 200;
constexpr std::string_view kPowerOfDarkness = "The Power Of Darkness";
constexpr int kPowerOfDarknessValue = 150;

constexpr int kTempleEntry = 1;
constexpr int kGuildEntry = 5;

// What the gates note about the hero each time he comes to the menu; the
// temple and the guild go by these notes.
struct Notes {
    bool goldSword;
    bool powerOfLight;
    bool powerOfDarkness;
};

Notes TakeNotes(const Player& hero) {
    return {Holds(hero.GetInventory(), kGoldSword), Holds(hero.GetGodPower(), kPowerOfLight),
            Holds(hero.GetGodPower(), kPowerOfDarkness)};
}


Transition templeoftheblessed(Player* player);
Transition warriorsguild(Player* player);

// The count only grows, and stops at the largest number it can hold.
Transition BattleLightWarriors(Player& hero) {
    io() << "You look up into the sky, and call out to the Light Warriors.\n"
            "A group of them swoops down from the clouds, their armour\n"
            "shining so brightly that you can hardly look at them.\n";
    wait();
    random();
    const int size = Draw(kLargestGroup) + 1;
    switch (FightGroup(hero, kLightWarriors, size)) {
    case FightResult::Won: {
        int& killed = world().lightwarriorskilled;
        killed = SatAdd(killed, size);
        io() << "You have won! You have now killed a total of " << killed << " Light Warriors!\n";
        wait();
        break;
    }
    case FightResult::Slain:
        io() << "The Light Warriors have killed you!\n";
        hero.HasDied();
        wait();
        break;
    case FightResult::Fled:
        break;
    }
    return Stay();
}

Transition VisitFountain(Player& hero) {
    io() << "You walk over to the Fountain Of Pure Water. Its water is so\n"
            "clear that it seems to shine, and it is said that whoever drinks\n"
            "from it is healed of every wound.\n"
            "Want to do it? (y/n)\n";
    io().Prompt();
    if (!IsYes(io().ReadWord())) return Stay();
    io() << "You kneel down and drink from the fountain. The water is cold and\n"
            "sweet, and you feel your strength flowing back into you.\n"
            "You are completely healed!\n";
    hero.RestoreAll();
    wait();
    return Stay();
}

// Entries 1 and 5 are decided by the notes (see heaven).
constexpr PlaceEntry kHeaven[] = {
    {.number = 1, .label = "1.Enter The Temple Of The Blessed\n"},
    {.number = 2, .label = "2.Battle Light Warriors\n", .act = BattleLightWarriors},
    {.number = 3, .label = "3.Enter The Library\n", .then = GoTo(heavenlibrary)},
    {.number = 4, .label = "4.Visit The Fountain Of Pure Water\n", .act = VisitFountain},
    {.number = 5, .label = "5.Enter The Warrior's Guild\n"},
    {.number = 6, .label = "6.View Stats\n", .then = Open(stats)},
    {.number = 7, .label = "7.Leave The Gates Of Heaven\n", .then = ReturnTo(crossroads)},
};

Transition TempleGates(const Notes& notes) {
    if (world().lightwarriorskilled < kWarriorsForTheTemple) {
        io() << "You need to have killed at least 20 Light Warriors, in order\n"
                "to enter, The Temple Of the Blessed.\n";
        wait();
        return Stay();
    }
    if (!notes.goldSword) {
        io() << "The temple guards aren't letting you in. Maybe you should\n"
                "help the professor in the library with his research first,\n"
                "before they will let you in here.\n";
        wait();
        return Stay();
    }
    if (notes.powerOfLight) return Stay();
    io() << "You enter The Temple Of The Blessed.\n";
    wait();
    return GoTo(templeoftheblessed);
}

Transition GuildDoors(const Player& hero, const Notes& notes) {
    if (notes.powerOfDarkness) return Stay();
    if (hero.GetLevel() < kGuildLevel) {
        io() << "Sorry, but you have to be at least level 80 in combat, to enter\n"
                "the Warrior's Guild.\n";
        wait();
        return Stay();
    }
    io() << "You enter the Warrior's Guild.\n";
    wait();
    return GoTo(warriorsguild);
}

// Every fight lost or fled here counts as a death.
Transition templeoftheblessed(Player* player) {
    Player& hero = *player;
    io() << "The temple is built of white marble, and its halls are filled with\n"
            "a golden light. At the end of the great hall an old man in white\n"
            "robes waits for you.\n"
            "\n"
            "Oreon:\n"
            "I am Oreon, the keeper of this temple. The guards tell me that you\n"
            "carry the Gold Sword of the library. Then you have come to be\n"
            "tested. Only one who can stand against the God Of Light himself\n"
            "may carry his power into the war against the Rune King.\n";
    wait();
    io() << "The light in the hall grows brighter and brighter, until a great\n"
            "figure steps out of it, a sword of pure light in his hand.\n"
            "It's time to FIGHT!!!\n";
    wait();
    if (FightOne(hero, kGodOfLight) != FightResult::Won) {
        io() << "The God Of Light has killed you!\n";
        hero.HasDied();
        wait();
        return GoTo(heaven);
    }
    io() << "The God Of Light lowers his sword, and bows his head before you.\n"
            "You have proven yourself worthy of his power.\n";
    wait();
    GrantGodPower(hero, kPowerOfLight, kPowerOfLightValue);
    WearLightGear(hero);
    GrantSpell(hero, Gods_Hand());
    GrantSpell(hero, Gods_Arrow());
    GrantSpell(hero, Gods_Fire());
    GrantSpell(hero, Unleashed2());
    GrantSpecialAttack(hero, Forged_Sword());
    GrantSpecialAttack(hero, Finisher1());
    io() << "You obtain a new god power, The Power Of Light!\n"
            "You are now wearing the Sword Of Light, and the Magic Armor\n"
            "helm, plate and legs!\n"
            "You have learned the spells God's Hand, God's Arrow, God's Fire\n"
            "and Unleashed!\n"
            "You have learned the special attacks Forged Sword and Finisher!\n";
    wait();
    io() << "Oreon:\n"
            "Well done. And I have good news for you: the professor in the\n"
            "library has finished his research. Go and see him, for he has\n"
            "much to tell you.\n";
    wait();
    return GoTo(heaven);
}

// A training fight: a loss, or a flight, only sends the hero out healed.
Transition warriorsguild(Player* player) {
    Player& hero = *player;
    io() << "The hall of the guild is full of warriors, sparring and shouting.\n"
            "The guild master walks up to you.\n"
            "\n"
            "Guild Master:\n"
            "So you want to join us? Every warrior of this guild has fought the\n"
            "Abyssal Demon that we keep chained in our cellar. Beat him, and\n"
            "you will be given The Power Of Darkness.\n";
    wait();
    io() << "The guild master leads you down into the cellar, and unchains\n"
            "the demon.\n";
    wait();
    if (FightOne(hero, kAbyssalDemon) != FightResult::Won) {
        io() << "I'm sorry, but you have died. Try again next time!\n";
        hero.RestoreAll();
        wait();
        return GoTo(heaven);
    }
    GrantGodPower(hero, kPowerOfDarkness, kPowerOfDarknessValue);
    io() << "Guild Master:\n"
            "Well fought! You are one of us now.\n"
            "You obtain a new god power, The Power Of Darkness!\n";
    wait();
    return GoTo(heaven);
}

}  // namespace

Transition heaven(Player* player) {
    Player& hero = *player;
    const Notes notes = TakeNotes(hero);
    io() << "\n\n"
            "You stand on the clouds before the Gates Of Heaven. Behind them\n"
            "lies a city of white stone, where a great temple, a library and\n"
            "the hall of the Warrior's Guild stand around a shining fountain.\n"
            "High above you, Light Warriors fly among the clouds.\n"
            "\n";
    ShowMenu(kHeaven, hero);
    io().Prompt();
    const int choice = KeyNumber(io().ReadChar());
    if (choice == kTempleEntry) return TempleGates(notes);
    if (choice == kGuildEntry) return GuildDoors(hero, notes);
    return Choose(kHeaven, choice, hero);
}

}  // namespace vaskarn
