#include "world/regions/boat_dock/vroengard.h"

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kGuardian{"Guardian Of Vroengard", 20000, 20000, 5000000, 500000, 15500, 1500};
constexpr MonsterTemplate kSpirit{"Spirit Of Eldmyrs", 70000, 70000, 10000000, 600000, 16000, 2000};
constexpr MonsterTemplate kRuneKing{"Rune King", 100000, 100000, 20000000, 1000000, 17000, 10000};

// A guardian fight that is not won, a flight included, is the hero's death:
// half his gold, and he wakes at the crossroads.
Transition Killed(Player& hero, const char* words) {
    io() << words;
    hero.HasDied();
    wait();
    return ReturnTo(crossroads);
}

}  // namespace

Transition vroengard(Player* player) {
    Player& hero = *player;
    io() << "You step off the boat onto the black sand of Vroengard. Far\n"
            "ahead, on top of a cliff, stands the castle of the Rune King.\n";
    if (hero.GetVroengard()) {
        io() << "The path to the castle lies open: the Guardian Of Vroengard\n"
                "no longer stands in your way.\n";
        wait();
        return GoTo(castlequest);
    }
    io() << "But between you and the castle stands a giant in stone armor,\n"
            "holding a sword as tall as a tree. It is the Guardian Of Vroengard!\n";
    wait();
    if (FightOne(hero, kGuardian) != FightResult::Won)
        return Killed(hero, "The Guardian Of Vroengard has killed you!\n");
    io() << "The Guardian Of Vroengard falls to the ground with a crash that\n"
            "shakes the whole island. The path to the castle is open!\n";
    hero.SetVroengard(true);
    wait();
    return GoTo(castlequest);
}

Transition castlequest(Player* player) {
    Player& hero = *player;
    io() << "You climb the long stairs up the cliff, and walk through the\n"
            "gates of the castle.\n";
    if (hero.GetCastle()) {
        io() << "The great hall is quiet and empty now. You walk on, towards\n"
                "the throne room.\n";
        wait();
        return GoTo(runeking);
    }
    io() << "In the great hall, a cold wind begins to blow, and a pale light\n"
            "takes the shape of a knight. It is the Spirit Of Eldmyrs, bound\n"
            "to guard this castle for the Rune King!\n";
    wait();
    if (FightOne(hero, kSpirit) != FightResult::Won) return Killed(hero, "The Spirit Of Eldmyrs has killed you!\n");
    io() << "The Spirit Of Eldmyrs fades away with a long sigh. At last, it\n"
            "is free.\n";
    hero.SetCastle(true);
    wait();
    return GoTo(runeking);
}

Transition runeking(Player* player) {
    Player& hero = *player;
    io() << "You push open the doors of the throne room. There, on a throne\n"
            "of black stone, sits the Rune King himself. He rises slowly, and\n"
            "draws his sword.\n"
            "Rune King: So, you have come at last. Let us end this.\n";
    wait();
    if (FightOne(hero, kRuneKing) != FightResult::Won) {
        io() << "Well, the Rune King has killed you...\n";
        wait();
        io() << "Out of the darkness comes the Mourning Sage. He kneels beside\n"
                "you and lays his hands on your wounds, and your strength\n"
                "slowly comes back.\n"
                "Mourning Sage: I have healed you this time, but my healing\n"
                "power is not infinite. Do not come back here before you are\n"
                "ready.\n";
        hero.HasDied();
        wait();
        return ReturnTo(crossroads);
    }
    io() << "The Rune King falls to his knees, and his sword breaks in two.\n"
            "With a last cry he turns to dust, and the dark clouds over\n"
            "Vroengard begin to clear.\n"
            "Congratulations! You have defeated the Rune King!\n";
    hero.SetRuneKing(true);
    if (!hero.Save()) io() << "The game could not be saved.\n";
    wait();
    io() << "The old sailor is waiting for you at the shore, and he sails\n"
            "you back home.\n";
    wait();
    return ReturnTo(crossroads);
}

}  // namespace vaskarn
