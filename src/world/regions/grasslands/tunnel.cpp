#include "world/regions/grasslands/tunnel.h"

#include "core/pause.h"
#include "core/services.h"
#include "model/arith.h"
#include "model/player.h"
#include "world/encounter.h"
#include "world/regions/grasslands/grasslands.h"
#include "world/stats.h"
#include "world/town/crossroads.h"

namespace vaskarn {
namespace {

enum class Way { North, West, East, South };

// The four moves in the order of their keys, "1" to "4". North is Y - 1.
struct Move {
    Way way;
    int dx;
    int dy;
    const char* label;
    const char* walked;
    const char* blocked;
};

constexpr Move kMoves[] = {
    {Way::North, 0, -1, "1. North\n", "You walk north.\n", "You can't go north.\n"},
    {Way::West, -1, 0, "2. West\n", "You walk west.\n", "You can't go west.\n"},
    {Way::East, 1, 0, "3. East\n", "You walk east.\n", "You can't go east.\n"},
    {Way::South, 0, 1, "4. South\n", "You walk south.\n", "You can't go south.\n"},
};

constexpr int kWidth = 10;   // X from 0 to 9
constexpr int kHeight = 12;  // Y from 0 to 11
constexpr int kEntranceX = 9;
constexpr int kEntranceY = 0;
constexpr int kGolemX = 2;
constexpr int kGolemY = 11;

// A move closed from one cell, besides those off the grid's edge. The walls
// are one-sided: the move back from the other side may well be open.
struct Wall {
    Way way;
    int x;
    int y;
};

constexpr Wall kWalls[] = {
    {Way::North, 6, 3}, {Way::North, 7, 3}, {Way::North, 8, 3}, {Way::North, 0, 5},  {Way::North, 1, 5},
    {Way::North, 2, 5}, {Way::North, 3, 5}, {Way::North, 4, 5}, {Way::North, 9, 6},  {Way::North, 1, 9},
    {Way::North, 2, 9}, {Way::North, 3, 10},
    {Way::West, 9, 0},  {Way::West, 9, 1},  {Way::West, 6, 3},  {Way::West, 6, 4},
    {Way::East, 2, 9},  {Way::East, 3, 10},
    {Way::South, 9, 4}, {Way::South, 0, 5}, {Way::South, 2, 6}, {Way::South, 7, 6}, {Way::South, 8, 6},
    {Way::South, 9, 6}, {Way::South, 3, 10},
};

bool OnGrid(int x, int y) { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

bool IsOpen(int x, int y, const Move& move) {
    if (!OnGrid(SatAdd(x, move.dx), SatAdd(y, move.dy))) return false;
    for (const Wall& wall : kWalls)
        if (wall.way == move.way && wall.x == x && wall.y == y) return false;
    return true;
}

constexpr MonsterTemplate kRockGolem{"Rock Golem", 400, 400, 50000, 1000, 30, 20};

// Fleeing from the golem is paid for as a death, yet not as HasDied's: the
// poison stays and the hero wakes on the plain.
Transition rock_golem_fight(Player* player) {
    Player& hero = *player;
    io() << "As you walk deeper into the tunnel, the ground begins to shake.\n"
            "The rocks in front of you start to move, and slowly they rise\n"
            "up into the shape of a giant. So the rumors were true after\n"
            "all: this is the rock golem, and it stands between you and\n"
            "whatever it is guarding. All I can say now is\n"
         << "good luck " << hero.GetName() << ", and god bless you. Oh, and please\n"
         << "don't try to run away from this battle. If you do, the\n"
            "rock golem will surely kill you.\n";
    wait();

    switch (FightOne(hero, kRockGolem)) {
    case FightResult::Slain:
        io() << "The Rock Golem has killed you!\n";
        wait();
        hero.HasDied();
        return ReturnTo(crossroads);
    case FightResult::Fled:
        io() << "You are just about to run away, when the Rock Golem\n"
                "sends a bunch of rocks falling at you. Haven't I told\n"
                "you never to run away during a boss fight? You died.\n";
        wait();
        hero.SetGold(hero.GetGold() / 2);
        hero.RestoreFullHP();
        hero.RestoreFullMP();
        hero.RestoreFullEnergy();
        return GoTo(grasslands);
    case FightResult::Won:
        break;
    }

    Inventory key;
    key.CreateItem("Stone Key", 0);
    hero.AddItem(&key);
    io() << "As the golem crumbles to the ground, a small key of stone\n"
            "falls out of the rubble. Its marks are the same as those on\n"
            "the lock of the dungeon beyond the stream: this key must be\n"
            "the one that opens it. You put the Stone Key in your pack.\n";
    wait();
    io() << "You got the Earth God Power!\n"
            "Your strength increases by 5!\n"
            "Your HP increases by 20!\n";
    hero.AddStrength(5);
    hero.SetMaxHP(SatAdd(hero.GetMaxHP(), 20));
    hero.RestoreFullHP();
    God_Power earth;
    earth.CreateGodPower("Earth God Power", 20);
    hero.AddGod_Power(&earth);
    io() << "You slowly make your way out of the dungeon and back to the pond.\n";
    wait();
    return GoTo(pond);
}

}  // namespace

Transition tunnel(Player*, int x, int y) {
    random();
    if (x == kGolemX && y == kGolemY) return GoTo(rock_golem_fight);

    const bool atEntrance = x == kEntranceX && y == kEntranceY;
    io() << "You stand in a dark tunnel. There are stalagmites all over\n"
            "the area and some other shining rocks. There's been some\n"
            "rumors about this place, and we have to figure out about what.\n"
         << "Your coordinates - X: " << x << ", Y: " << y << "\n"
         << "The boss coordinates - X:2, Y:11\n"
            "\n\n";
    for (const Move& move : kMoves)
        if (IsOpen(x, y, move)) io() << move.label;
    io() << "5. Stats\n";
    if (atEntrance) io() << "6. Out Of Tunnel\n";
    io().Prompt();

    const char key = io().ReadChar();
    if (key >= '1' && key <= '4') {
        const Move& move = kMoves[key - '1'];
        if (!IsOpen(x, y, move)) {
            io() << move.blocked;
            wait();
            return Stay();
        }
        io() << move.walked;
        wait();
        return GoTo(Screen(tunnel, x + move.dx, y + move.dy));
    }
    if (key == '5') return Open(stats);
    if (key == '6') {
        if (atEntrance) return GoTo(pond);
        io() << "\nInvalid Command\n\n";
        wait();
    }
    return Stay();
}

}  // namespace vaskarn
