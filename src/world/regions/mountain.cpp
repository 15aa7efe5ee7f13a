#include "world/regions/mountain.h"

#include <iterator>
#include <span>
#include <string_view>

#include "abilities/special_attacks.h"
#include "abilities/spells.h"
#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/quest_rewards.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kWarriorBeast[] = {{"Warrior Beast", 2000, 2000, 50000, 20000, 1400, 800}};
constexpr MonsterTemplate kElementals[] = {
    {"Theo The Water Elemental", 2500, 2500, 200000, 20000, 1400, 2200},
    {"Falazan The Fire Elemental", 3000, 3000, 250000, 30000, 1600, 4000},
    {"Golon The Earth Elemental", 4500, 4500, 720000, 40000, 1450, 5000},
    {"Asmisthin The Air Elemental", 2500, 2500, 200000, 20000, 1200, 2000},
};
constexpr MonsterTemplate kRuneKnight[] = {{"Rune Knight", 3600, 3600, 500000, 70000, 1500, 3600}};

constexpr std::string_view kPowerOfTheMountain = "The Power Of The Mountain";
constexpr int kPowerOfTheMountainValue = 300;
constexpr std::string_view kPowerOfRunite = "The Power Of Runite";
constexpr int kPowerOfRuniteValue = 350;

void GiveTheElementalsGifts(Player& hero) {
    GrantSpell(hero, Flamethrower());
    GrantSpell(hero, Flaming_Torch());
    GrantSpecialAttack(hero, Midair_Cut());
    GrantSpecialAttack(hero, Final_Cutter());
    GrantGodPower(hero, kPowerOfTheMountain, kPowerOfTheMountainValue);
    io() << "You have learned the spells Flamethrower and Flaming Torch!\n"
            "You have learned the special attacks Midair Cut and Final Cutter!\n"
            "You obtain a new god power, The Power Of The Mountain!\n";
}

void GiveTheKnightsTreasure(Player& hero) {
    GrantGodPower(hero, kPowerOfRunite, kPowerOfRuniteValue);
    WearEldmyrsSword(hero);
    WearEldmyrsArmor(hero);
    io() << "You obtain a new god power, The Power Of Runite!\n"
            "You are now wielding the Sword Of Eldmyrs, and wearing the\n"
            "Eldmyrs helm, platebody, platelegs, shield and gauntlets!\n";
}

// One stage of the climb: `copies` of each kind, as one group.
struct Stage {
    std::span<const MonsterTemplate> kinds;
    int copies;
    const char* approach;  // before the fight
    const char* defeat;    // after a fight lost or fled
    const char* victory;   // after a win, before the reward
    void (*reward)(Player&) = nullptr;
};

constexpr Stage kStages[] = {
    {kWarriorBeast, 2,
     "You begin to climb the mountain. Halfway up, on a wide ledge, two\n"
     "Warrior Beasts guard the way. They roar, and charge at you!\n",
     "The Warrior Beasts have killed you!\n",
     "The second Warrior Beast falls from the ledge, and the way up the\n"
     "mountain is open.\n"},
    {kElementals, 1,
     "You climb higher, to where the crystal's glow is so bright that\n"
     "you have to shield your eyes. There, the four guardians of the\n"
     "mountain stand waiting for you: Theo The Water Elemental, Falazan\n"
     "The Fire Elemental, Golon The Earth Elemental and Asmisthin The Air\n"
     "Elemental.\n"
     "It's time to FIGHT!!!\n",
     "The elementals have killed you!\n",
     "The four elementals bow to you, and fade away into the mountain.\n"
     "Their power stays with you.\n",
     GiveTheElementalsGifts},
    {kRuneKnight, 3,
     "At the top of the mountain, under the glowing crystal, lies the\n"
     "entrance to the old hall of the Eldmyrs. Three Rune Knights stand\n"
     "before it, their armour covered in glowing runes.\n"
     "It's time to FIGHT!!!\n",
     "The Rune Knights have killed you!\n",
     "The last of the Rune Knights falls, and the doors of the hall open\n"
     "by themselves. Inside, on a table of stone, lie the Sword Of Eldmyrs\n"
     "and the armour of the Eldmyrs, untouched for a thousand years.\n",
     GiveTheKnightsTreasure},
};

// The climb ends where the mountain is won: the flag is set and the game saved.
Transition FinishTheClimb(Player& hero) {
    hero.SetMountain(true);
    io() << "Congratulations! You have completed the Mountain Quest!\n";
    if (!hero.Save()) io() << "The game could not be saved.\n";
    wait();
    return ReturnTo(crossroads);
}

// Every fight lost or fled ends the climb as a death.
Transition mountainstage(Player* player, int stage) {
    Player& hero = *player;
    if (stage < 0 || stage >= static_cast<int>(std::size(kStages))) return ReturnTo(crossroads);
    const Stage& here = kStages[stage];
    io() << here.approach;
    wait();
    if (FightInOrder(hero, here.kinds, here.copies) != FightResult::Won) {
        io() << here.defeat;
        hero.HasDied();
        wait();
        return ReturnTo(crossroads);
    }
    io() << here.victory;
    if (here.reward) here.reward(hero);
    wait();
    if (stage + 1 == static_cast<int>(std::size(kStages))) return FinishTheClimb(hero);
    return GoTo(Screen(mountainstage, stage + 1));
}

}  // namespace

Transition mountainquest(Player*) {
    io() << "You stand at the foot of the Mountain Of The Glowing Crystal. Far\n"
            "above you, the great crystal shines at its top, and the whole\n"
            "mountain glows in its light.\n";
    wait();
    return GoTo(Screen(mountainstage, 0));
}

}  // namespace vaskarn
