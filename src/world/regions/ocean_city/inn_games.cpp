#include "world/regions/ocean_city/inn_games.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "world/encounter.h"

namespace vaskarn {
namespace {

// --- Darts. ---

struct DartsPayout {
    int hit;
    int times;  // the bet is paid back this many times over
};
constexpr std::array<DartsPayout, 6> kDartsPayouts{{{0, 10}, {10, 8}, {20, 5}, {30, 3}, {40, 2}, {50, 1}}};
// The target runs from 1 up to this, down to its negative, up again, and on.
constexpr int kTargetEdge = 2000;

// --- The water balloon. ---

constexpr int kBalloonLeast = 2000;  // a balloon stopped below this loses
// A balloon stopped in time earns kBalloonGold for every kBalloonGallons.
constexpr int kBalloonGallons = 15;
constexpr int kBalloonGold = 10;

// --- Shooting the horse. ---

constexpr int kHorseField = 100;
constexpr int kBullets = 10;
constexpr int kHorsePrize = 2000;

// --- The contest of combat. ---

constexpr std::array<MonsterTemplate, 5> kContenders{{
    {"Legion", 200, 200, 2000, 400, 65, 48},
    {"Sythe", 600, 600, 5000, 1500, 120, 80},
    {"Immortal Demon", 1000, 1000, 6000, 2000, 200, 90},
    {"Ancient Bolrog", 1500, 1500, 10000, 3000, 400, 95},
    {"Wielder Of Power", 3000, 3000, 20000, 6000, 600, 120},
}};
constexpr int kContestPrize = 50000;
constexpr std::string_view kTrophy = "Shiny Gold Trophy";
constexpr int kTrophyPrice = 20000;

// --- Darts. ---

// Runs the target until a key press is seen; the number on that line is hit.
int ThrowDart() {
    int target = 1;
    int step = 1;
    for (;;) {
        io() << "Target: " << target << "\n";
        if (kbhit()) return target;
        if (target >= kTargetEdge) {
            step = -1;
        } else if (target <= -kTargetEdge) {
            step = 1;
        }
        target += step;
    }
}

// Asks for the bet until it is one the hero can pay, then throws.
Transition darts_bet(Player* player) {
    Player& hero = *player;
    io() << "Enter in your bet.\n";
    io().Prompt();
    const int bet = io().ReadNumber(0);
    if (bet < 1 || bet > hero.GetGold()) return Stay();

    int hit = 0;
    {
        const Console::SingleKeyMode keys = io().SingleKeys();
        io() << "\n\nPress any key when you are ready\n";
        getch();
        io() << "\n\n";
        hit = ThrowDart();
    }
    io() << "\n\n";
    const auto payout = std::find_if(kDartsPayouts.begin(), kDartsPayouts.end(),
                                     [hit](const DartsPayout& p) { return p.hit == hit; });
    if (payout != kDartsPayouts.end()) {
        // A win never takes the bet: the payout comes on top of it.
        const int won = SatMul(bet, payout->times);
        io() << "You Won!\n"
             << "Your Target: " << hit << "\n"
             << "You get " << won << " gold.\n";
        hero.AddGold(won);
    } else {
        io() << "You Lost!\n"
             << "Your Target: " << hit << "\n"
             << "You lose " << bet << " gold.\n";
        hero.SpendGold(bet);
    }
    io() << "\n";
    wait();
    return Back();
}

// --- The water balloon. ---

// Four raw draws: the capacity about 10000, give or take.
int BalloonCapacity() {
    random();
    const int a = Draw(500);
    const int b = Draw(500);
    const int c = Draw(200);
    const int d = Draw(20);
    const int capacity = 10000 + a - b;
    // A divisor of 0 leaves the capacity as it is.
    const int adjustment = d == 0 ? 0 : c / d;
    return c >= 100 ? capacity + adjustment : capacity - adjustment;
}

// --- Shooting the horse. ---

Transition horse_aim(Player* player, int horse, int bullets) {
    io() << "Enter in a target from 1 - 100.\n";
    io().Prompt();
    const int aim = io().ReadNumber(0);
    io() << "\n\n\n";
    if (aim == 0) return Stay();
    if (aim == horse) {
        io() << "You Won!\n"
                "You get 2000 gold!\n";
        player->AddGold(kHorsePrize);
        wait();
        return Back();
    }
    io() << "You missed the horse.\n" << (aim > horse ? "Your aim was too high.\n" : "Your aim was too low.\n") << "\n";
    --bullets;
    io() << "You have " << bullets << " bullets left.\n";
    wait();
    if (bullets > 0) return GoTo(Screen(horse_aim, horse, bullets));
    io() << "You Lost!\n"
            "Better luck next time...\n";
    wait();
    return Back();
}

// --- The contest of combat. ---

void AwardContest(Player& hero) {
    io() << "\n\n"
            "Announcer:\n"
            "Well, folks, it seems like we have our winner!\n"
         << "Here is your prize, " << hero.GetName() << ".\n\n"
         << "\n"
            "The announcer gives you 50,000 gold, and then, you walk over to the House\n"
            "Of The Elders. They give you a shiny gold trophy that stands 5 feet\n"
            "tall.\n\n";
    hero.AddGold(kContestPrize);
    Inventory trophy;
    trophy.CreateItem(kTrophy, kTrophyPrice);
    hero.AddItem(&trophy);
    io() << "\n\n";
    wait();
}

// One contender after the other; a lost fight costs nothing and ends the contest.
Transition contest_fight(Player* player, int round) {
    Player& hero = *player;
    const int rounds = static_cast<int>(kContenders.size());
    if (round < 0 || round >= rounds) return Back();
    if (FightOne(hero, kContenders[static_cast<std::size_t>(round)]) != FightResult::Won) {
        hero.RestoreAll();
        return Back();
    }
    io() << "You won battle " << round + 1 << " of " << rounds << "!\n\n";
    wait();
    io() << "Preparing for the next battle...\n"
            "Press any key when you're ready to battle the next opponent.\n\n";
    getch();
    io() << "\n";
    if (round + 1 < rounds) return GoTo(Screen(contest_fight, round + 1));
    AwardContest(hero);
    return Back();
}

}  // namespace

Transition playdarts(Player* player) {
    io() << "Darts\n"
            "Rules:\n"
            "Before you throw, you place a bet of gold.\n"
            "If you win, the bigger your bet, the more gold you get back.\n"
            "If you lose, the smaller your bet, the less gold you lose.\n"
            "If you hit a 0, you get 10 times the amount back\n"
            "If you hit 10, you get 8 times the amount back\n"
            "If you hit 20, you get 5 times the amount back\n"
            "If you hit 30, you get 3 times the amount back\n"
            "If you hit 40, you get 2 times the amount back\n"
            "If you hit 50, you get the regular bet amount back\n"
            "Anything else, you will lose your bet amount\n"
            "The target is a number that keeps rolling from -2000 to 2000.\n"
            "Press any key to throw the dart\n\n"
            "Good Luck!\n\n";
    wait();
    io() << "\n";
    // No bet could ever be accepted: the hero would be asked for ever.
    if (player->GetGold() < 1) {
        io() << "You don't have any gold to bet.\n";
        wait();
        return Back();
    }
    return GoTo(darts_bet);
}

Transition fillupwaterintoballoon(Player* player) {
    io() << "Fill Up Some Water Into A Balloon\n"
            "Rules:\n"
            "The water keeps filling the balloon as long as you press nothing.\n"
            "Press any key to stop the water.\n"
            "If you put in too much water, the balloon breaks and you lose.\n"
            "If you stop below 2000 gallons, you lose.\n"
            "Every balloon holds a different amount of water,\n"
            "so you never know how much it can take.\n"
            "The more water is in the balloon when you stop, the more gold you get.\n"
            "Good Luck!\n\n";
    wait();

    int gallons = 0;
    bool stopped = false;
    int capacity = 0;
    {
        const Console::SingleKeyMode keys = io().SingleKeys();
        io() << "Ready? Press any key when you are, and hold it to start filling up the ballons.\n";
        getch();
        io() << "\n\n";
        capacity = BalloonCapacity();
        for (;; ++gallons) {
            io() << "Gallons Filled Into Balloon: " << gallons << "\n";
            if (kbhit()) {
                stopped = true;
                break;
            }
            if (gallons > capacity) break;  // the balloon breaks
        }
    }
    io() << "\n\n\n";
    if (stopped && gallons >= kBalloonLeast && gallons <= capacity) {
        const int gold = gallons / kBalloonGallons * kBalloonGold;
        io() << "Congratulations! You won!\n"
             << "Gold Earned: " << gold << "\n"
             << "The maximum capacity was: " << capacity << "\n";
        player->AddGold(gold);
    } else {
        io() << "\n"
                "You Lost!\n";
        if (gallons < kBalloonLeast) io() << "You did not go over 2000 gallons.\n";
        io() << "The maximum capacity was: " << capacity << "\n";
    }
    wait();
    return Back();
}

Transition gamble(Player*) {
    io() << "\n"
            "Man:\n"
            "Gamble? Not me. I swore off cards and dice the day I\n"
            "lost my boat at this very table.\n"
            "Wait a moment... I know that face. You are the one who\n"
            "slew the boss of the Great Grasslands!\n"
            "Peter, who lives in the wooden house by the pond, is an\n"
            "old friend of mine. On his behalf, thank you.\n"
            "He hasn't slept so well in years.\n"
            "If you are going further, look for a friend of mine:\n"
            "Legarth, a high elf who lives in the middle of the\n"
            "Elven Forest. He can help you on your way.\n"
            "Tell him I sent you.\n"
            "Good luck, hero.\n";
    wait();
    return Back();
}

Transition shootthehorsegame(Player*) {
    io() << "Shoot The Horse\n"
            "Rules:\n"
            "A horse hides at one of the spots from 1 to 100.\n"
            "Aim at a spot from 1 to 100 and shoot.\n"
            "You have 10 bullets.\n"
            "If you hit the horse, you get 2000 coins.\n"
            "If you miss, you are told whether your aim was too low or too high.\n"
            "If you use up all 10 bullets, you lose.\n"
            "Good Luck!\n\n";
    wait();
    random();
    const int horse = Draw(kHorseField) + 1;
    io() << "Press any key when you are ready\n\n";
    getch();
    io() << "\n";
    return GoTo(Screen(horse_aim, horse, kBullets));
}

Transition joincontest(Player*) {
    io() << "You walk up to the stage at the back of the inn. A red curtain\n"
            "hangs behind it, and a crowd is gathering in front of it.\n"
            "A man in a fine coat steps out from behind the curtain.\n"
            "\n"
            "Announcer:\n"
            "Welcome, ladies and gentlemen, to the Contest of Combat!\n"
            "Tonight our challenger faces five of the fiercest fighters\n"
            "in all the land. Win all five, and the prize is 50,000 gold\n"
            "and a trophy from the House Of The Elders!\n"
            "So let the contest begin!\n";
    wait();
    io() << "The curtain opens, and the fighters walk up onto the stage one\n"
            "by one. First in line stands a legion, clad in steel from head\n"
            "to toe. You hope your armor is good enough for what is to come.\n";
    wait();
    io() << "Prepare to fight!\n\n"
            "Note: You will not lose anything if you die.\n";
    wait();
    return GoTo(Screen(contest_fight, 0));
}

}  // namespace vaskarn
