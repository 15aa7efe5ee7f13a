#include "world/regions/swamplands/war.h"

#include <algorithm>
#include <string>

#include "core/pause.h"
#include "core/services.h"
#include "model/player.h"
#include "model/slots.h"
#include "world/encounter.h"
#include "world/quest_rewards.h"

namespace vaskarn {
namespace {

constexpr MonsterTemplate kWizardKing{"Wizard King", 4000, 4000, 200000, 36000, 1000, 400};

constexpr const char* kWarBlessing = "Light Of War Blessing";
constexpr int kWarBlessingValue = 20000;
constexpr const char* kSwampBlessing = "Swamplands Blessing";
constexpr int kSwampBlessingValue = 50000;
constexpr const char* kImagination = "The Power Of Imagination";
constexpr int kImaginationPower = 100;
constexpr int kReplayPrize = 6000;

constexpr SwampWar kWarStart{
    .allies = 2000, .enemies = 10000, .arrows = 1000, .guns = 500,
    .ballistas = 50, .catapults = 50, .rocks = 5, .emps = 1,
};

// The EMP only reaches an army this small or smaller.
constexpr int kEmpReach = 5000;
constexpr int kEmpKills = 2000;
// The defensive position spares this many troops of one attack.
constexpr int kDefenceShield = 500;
// No single enemy attack kills more than this many troops.
constexpr int kMostLostToOneAttack = 500;

// --- One turn's luck, drawn at its start in this order. ---

struct TurnDraws {
    int troopLuck;        // enemy soldiers killed per troop sent
    int attackDivisor;    // troops sent / this = own troops lost
    int enemyLuck;        // own troops lost per attacking warrior
    int enemyDivisor;     // attackers / this = attackers lost
    int arrowKill;        // per arrow
    int gunKill;          // per gun
    int ballistaBase;
    int ballistaFactor;
    int catapultBase;
    int catapultFactor;
    int trebuchetBase;
    int trebuchetFactor;
};

TurnDraws DrawTurn() {
    TurnDraws d{};
    d.troopLuck = Draw(2);
    d.attackDivisor = Draw(10) + 8;
    d.enemyLuck = Draw(2);
    d.enemyDivisor = Draw(10) + 8;
    d.arrowKill = Draw(5) + 1;
    d.gunKill = Draw(10) + 3;
    d.ballistaBase = Draw(30) + 20;
    d.ballistaFactor = Draw(3) + 1;
    d.catapultBase = Draw(60) + 40;
    d.catapultFactor = Draw(5) + 1;
    d.trebuchetBase = Draw(100) + 70;
    d.trebuchetFactor = Draw(5) + 1;
    return d;
}

// --- The orders. ---

enum class Order { Performed, Refused, Unknown };

// An amount asked for at its own prompt; a non-number is 0.
int AskAmount(const std::string& question) {
    io() << question;
    io().Prompt();
    return io().ReadNumber(0);
}

Order AttackWithTroops(SwampWar& war, const TurnDraws& d) {
    const int sent = AskAmount("How many troops do you want to use to attack?\n");
    if (sent < 1) {
        io() << "You can't attack with " << sent << " troops.\n";
        return Order::Refused;
    }
    if (sent > war.allies) {
        io() << "You don't have that many troops to attack with.\n";
        return Order::Refused;
    }
    const int killed = d.troopLuck * sent;
    const int lost = sent / d.attackDivisor;
    io() << "You send out " << sent << " to attack the enemy soldiers.\n"
         << killed << " enemy soldiers get killed.\n"
         << lost << " of your troops get killed.\n";
    war.allies -= lost;
    war.enemies -= killed;
    return Order::Performed;
}

Order Defend(SwampWar& war) {
    if (war.defending) {
        io() << "You are already defending!\n";
        return Order::Refused;
    }
    io() << "You move your troops into a defensive position.\n"
            "Now, less troops will get killed when the enemy army attacks.\n";
    war.defending = true;
    war.defendJustOrdered = true;
    return Order::Performed;
}

// The enemy's answer to every order ends a counterattack, so the refusal
// below never shows; it guards the order all the same.
Order Counterattack(SwampWar& war) {
    if (war.counterattacking) {
        io() << "You are already counterattacking!\n";
        return Order::Refused;
    }
    io() << "Your troops move into a counterattacking position.\n"
            "When the enemy attacks next, your troops will strike back.\n"
            "If it works, many of the enemy troops will be killed.\n";
    war.counterattacking = true;
    return Order::Performed;
}

// Arrows and guns: as many as the hero likes, each killing the same number.
struct Volley {
    const char* plural;
    int SwampWar::*stock;
    int TurnDraws::*killsEach;
};

constexpr Volley kArrows{"arrows", &SwampWar::arrows, &TurnDraws::arrowKill};
constexpr Volley kGuns{"guns", &SwampWar::guns, &TurnDraws::gunKill};

Order FireVolley(SwampWar& war, const TurnDraws& d, const Volley& volley) {
    const std::string plural = volley.plural;
    const int fired = AskAmount("How many " + plural + " would you like to fire?\n");
    int& stock = war.*volley.stock;
    if (fired < 1) {
        io() << "You can't fire " << fired << " " << plural << ".\n";
        return Order::Refused;
    }
    if (fired > stock) {
        io() << "You don't have that many " << plural << ".\n";
        return Order::Refused;
    }
    stock -= fired;
    const int killed = d.*volley.killsEach * fired;
    io() << "You fire " << fired << " " << plural << ", killing " << killed << " enemy soldiers.\n";
    war.enemies -= killed;
    return Order::Performed;
}

// The ballistas and catapults: one shot a turn.
struct Engine {
    const char* none;
    const char* shot;
    int SwampWar::*stock;
    int TurnDraws::*base;
    int TurnDraws::*factor;
};

constexpr Engine kBallista{"You do not have any more ballista missles left to fire.\n",
                           "You shoot a ballista missle at the approaching army.\n", &SwampWar::ballistas,
                           &TurnDraws::ballistaBase, &TurnDraws::ballistaFactor};
constexpr Engine kCatapult{"You do not have any more catapult rocks left.\n",
                           "You fling a catapult rock at the approaching army.\n", &SwampWar::catapults,
                           &TurnDraws::catapultBase, &TurnDraws::catapultFactor};

Order FireEngine(SwampWar& war, const TurnDraws& d, const Engine& engine) {
    int& stock = war.*engine.stock;
    if (stock < 1) {
        io() << engine.none;
        return Order::Refused;
    }
    const int killed = d.*engine.base * (d.*engine.factor);
    io() << engine.shot << "It takes out " << killed << " enemy soldiers.\n";
    --stock;
    war.enemies -= killed;
    return Order::Performed;
}

// A rock leaves the pile when it is loaded, so the last one can still be fired.
Order LoadTrebuchet(SwampWar& war) {
    if (war.rocks < 1) {
        io() << "You have no more trebuchet rocks left to load.\n";
        return Order::Refused;
    }
    if (war.trebuchetLoaded) {
        io() << "Your trebuchet is already loaded!\n";
        return Order::Refused;
    }
    io() << "Your men roll a huge rock from the pile over to the trebuchet.\n"
            "They heave it up and load it in 10 seconds.\n"
            "The trebuchet is now ready to fire.\n";
    --war.rocks;
    war.trebuchetLoaded = true;
    return Order::Performed;
}

Order FireTrebuchet(SwampWar& war, const TurnDraws& d) {
    if (!war.trebuchetLoaded) {
        io() << (war.rocks < 1 ? "You have no more trebuchet rocks left.\n" : "The trebuchet is not loaded yet!\n");
        return Order::Refused;
    }
    const int killed = d.trebuchetBase * d.trebuchetFactor;
    io() << "You fire the trebuchet.\n"
            "The huge trebuchet rock lands into the middle of the army,\n"
         << "killing " << killed << " enemy warriors.\n";
    war.enemies -= killed;
    war.trebuchetLoaded = false;
    return Order::Performed;
}

Order ActivateEmp(SwampWar& war) {
    if (war.emps < 1) {
        io() << "You don't have any more EMP's.\n";
        return Order::Refused;
    }
    if (war.enemies > kEmpReach) {
        io() << "You can only fire the EMP, after there is only 5,000 or less\n"
                "enemy troops remaining.\n";
        return Order::Refused;
    }
    io() << "You activate the EMP. A wave of blue light rolls over the\n"
            "battlefield, and the enemy warriors freeze where they stand.\n"
            "Suddenly, 2000 of them all die\n";
    --war.emps;
    war.enemies -= kEmpKills;
    return Order::Performed;
}

Order Perform(SwampWar& war, const TurnDraws& d, int order) {
    switch (order) {
    case 1: return AttackWithTroops(war, d);
    case 2: return Defend(war);
    case 3: return Counterattack(war);
    case 4: return FireVolley(war, d, kArrows);
    case 5: return FireVolley(war, d, kGuns);
    case 6: return FireEngine(war, d, kBallista);
    case 7: return FireEngine(war, d, kCatapult);
    case 8: return LoadTrebuchet(war);
    case 9: return FireTrebuchet(war, d);
    case 10: return ActivateEmp(war);
    default: return Order::Unknown;
    }
}

// --- The enemy's answer to an order. ---

// A successful counterattack kills 10 r^3 of the enemy for a roll r of 0
// to 4; the report and the loss are the same number.
int CounterattackKills(int roll) { return 10 * roll * roll * roll; }

void EnemyAttack(SwampWar& war, const TurnDraws& d) {
    // The position shields only the attack that follows the order to defend.
    if (war.defending && !war.defendJustOrdered) {
        io() << "Your army shifts out of defense position.\n";
        wait();
        war.defending = false;
    }

    int attackers = std::min(Draw(5000) + 1, war.enemies);
    if (war.allies <= attackers) attackers /= Draw(3) + 1;

    int lost = attackers * d.enemyLuck;
    if (war.defending) lost = std::max(0, lost - kDefenceShield);
    if (lost > war.allies) lost = lost <= 2000 ? Draw(60) + 1 : lost / (Draw(5) + 1);
    lost = std::min(lost, kMostLostToOneAttack);

    io() << "The enemy warriors attack your army.\n"
         << attackers << " enemy warriors attack your army.\n"
         << lost << " of your troops get killed.\n";
    war.allies -= lost;
    if (war.defending) io() << "You were defending, so 500 less troops were killed.\n";

    const int fallen = attackers / d.enemyDivisor;
    io() << fallen << " of the enemy troops were killed.\n";
    war.enemies -= fallen;
    wait();

    if (war.counterattacking) {
        const int roll = Draw(10);
        if (roll < 5) {
            const int killed = CounterattackKills(roll);
            io() << "Your counterattacking worked.\n" << killed << " enemy troops got killed.\n";
            war.enemies -= killed;
        } else {
            io() << "Sorry, but your counterattacking failed.\n";
        }
        war.counterattacking = false;
        wait();
    }
}

// --- The end of a war. ---

Transition WonWar(Player& hero) {
    if (hero.GetSwamp()) {
        io() << "You Won... Yay!\n"
                "You get 6000 gold!\n";
        hero.AddGold(kReplayPrize);
        wait();
        return Back();
    }
    io() << "You have won the war! Congratulations!\n"
            "The people of the Swamplands are very proud of you.\n";
    wait();
    io() << "Suddenly, a glowing orb floats down from the sky, and stops\n"
            "right in front of you. You reach out and touch it, and its\n"
            "warm light flows into you. You have gotten the Light\n"
            "Of War Blessing!\n";
    GrantBlessing(hero, kWarBlessing, kWarBlessingValue);
    wait();
    io() << "But wait... the people seem to be giving you a kind of gift, as well.\n"
            "Congratulations! You have gotten the Swamplands Blessing! Hurray!!!\n";
    GrantBlessing(hero, kSwampBlessing, kSwampBlessingValue);
    wait();
    io() << "Ok, so now you have just gotten a total of 2 blessings.\n"
            "The leader of the army would now like to talk to you.\n";
    wait();
    io() << "Army Leader:\n"
         << "Thank you, " << hero.GetName() << ". You have saved the Swamplands!\n"
         << "But the one who led the enemy army is still out there.\n"
            "Come back to the barracks when you are ready, and you will\n"
            "meet the leader behind the enemy army.\n";
    wait();
    return Back();
}

Transition LostWar(Player& hero) {
    if (hero.GetSwamp()) {
        io() << "You Lost... Sorry!\n"
                "Try again next time!\n";
    } else {
        io() << "Your army was completely destroyed...\n"
                "You walk out of the barracks, which now lays in ruins.\n"
                "But you can always try again, next time, if you wish.\n";
    }
    wait();
    return Back();
}

// One turn: the luck, the state of the war, one order, and the enemy's answer.
Transition warturn(Player* player) {
    SwampWar& war = world().swampwar;
    const TurnDraws draws = DrawTurn();
    io() << "Ally Troops: " << war.allies << "\n"
         << "Enemy Troops: " << war.enemies << "\n"
         << "Defending: " << (war.defending ? "Yes\n" : "No\n")
         << "Counterattacking: " << (war.counterattacking ? "Yes\n" : "No\n")
         << "1. Attack With Troops (" << war.allies << " Remaining)\n"
         << "2. Defend With Troops (" << war.allies << " Remaining)\n"
         << "3. CounterAttack With Troops (" << war.allies << " Remaining)\n"
         << "4. Fire Arrows (" << war.arrows << " Left)\n"
         << "5. Fire Guns (" << war.guns << " Left)\n"
         << "6. Fire Ballistas (" << war.ballistas << " Left)\n"
         << "7. Fire Catapults (" << war.catapults << " Left)\n"
         << "8. Load Trebuchet (" << war.rocks << " Left)\n"
         << "9. Fire Trebuchet\n"
         << "10. Activate The EMP!\n";
    io().Prompt();
    switch (Perform(war, draws, io().ReadNumber(0))) {
    case Order::Unknown:
        return Stay();
    case Order::Refused:
        wait();
        return Stay();
    case Order::Performed:
        break;
    }

    if (war.allies < 1) return LostWar(*player);
    if (war.enemies < 1) return WonWar(*player);
    EnemyAttack(war, draws);
    if (war.enemies < 1) return WonWar(*player);
    if (war.allies < 1) return LostWar(*player);
    war.defendJustOrdered = false;
    return Stay();
}

Transition StartWar() {
    world().swampwar = kWarStart;
    return GoTo(warturn);
}

// The first war needs a leader; any answer but yes or no asks again.
Transition warrequest(Player* player) {
    io() << "Army Leader:\n"
            "The Rune King's army is marching on the Swamplands, and it will\n"
            "be here at any moment. We only have 2000 troops left, and they\n"
            "have 10,000 of them. Our own leader fell in the last battle.\n"
         << "We need someone to lead the war for us. Well, " << player->GetName() << ",\n"
         << "will you lead our army into the war? (y/n)\n";
    io().Prompt();
    const std::string answer = io().ReadWord();
    io() << "\n\n";
    if (IsNo(answer)) return Back();
    if (!IsYes(answer)) return Stay();
    io() << "Army Leader:\n"
            "Ok then, very well. Here's the plan.\n"
            "We need to destroy the whole enemy army, while keeping as many\n"
            "of our own troops alive as we can. If all of our troops die,\n"
            "the war is lost.\n"
            "Remember that a trebuchet rock leaves the pile when you load it,\n"
            "not when you fire it.\n"
            "Since the opposing army is so big, none of your weapons will miss.\n"
            "Well, Good Luck, for you will be needing it!\n\n";
    wait();
    return StartWar();
}

// Either blessing of the war means it was won, and its leader waits.
bool WarWon(const Player& hero) {
    return Holds(hero.GetBlessings(), kWarBlessing) || Holds(hero.GetBlessings(), kSwampBlessing);
}

Transition FightWizardKing(Player& hero) {
    io() << "Army Leader:\n"
         << "Welcome back, " << hero.GetName() << ". There is the leader of\n"
         << "the enemy army. He is waiting for you. Go to him.\n";
    wait();
    io() << "You walk to the far end of the barracks. There, a tall man in a\n"
            "dark purple robe is waiting, a staff of twisted wood in his hand.\n"
            "It is the Wizard King, the one who led the Rune King's army.\n"
            "He raises his staff, and laughs. The fight begins!\n";
    wait();
    if (FightOne(hero, kWizardKing) != FightResult::Won) {
        hero.HasDied();
        io() << "The Wizard King has killed you!\n";
        wait();
        return Back();
    }
    io() << "The Wizard King falls to the ground... dead.\n"
            "All of a sudden, you obtain a new god power, The Power Of Imagination.\n";
    GrantGodPower(hero, kImagination, kImaginationPower);
    io() << "Congratulations! You have completed the Swamplands Quest!\n";
    hero.SetSwamp(true);
    wait();
    return Back();
}

}  // namespace

Transition swamplandsbarracks(Player* player) {
    Player& hero = *player;
    if (!hero.GetSwamp() && WarWon(hero)) return FightWizardKing(hero);
    if (hero.GetSwamp()) {
        io() << "You have already beaten the Swamplands Quest.\n"
                "However, the war is now a minigame, that you can play\n"
                "anytime for money. If you win, you get 6000 gold.\n"
                "Ready? Let's start.\n";
        wait();
        return StartWar();
    }
    random();
    return GoTo(warrequest);
}

}  // namespace vaskarn
