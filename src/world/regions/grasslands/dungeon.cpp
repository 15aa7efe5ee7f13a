#include "world/regions/grasslands/dungeon.h"

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

// The four moves in the order of their keys, "1" to "4". Here north is Y + 1.
struct Move {
    Way way;
    int dx;
    int dy;
    const char* label;
    const char* walked;
    const char* blocked;
};

constexpr Move kMoves[] = {
    {Way::North, 0, 1, "1. North\n", "You walk north.\n", "You can't go north.\n"},
    {Way::West, -1, 0, "2. West\n", "You walk west.\n", "You can't go west.\n"},
    {Way::East, 1, 0, "3. East\n", "You walk east.\n", "You can't go east.\n"},
    {Way::South, 0, -1, "4. South\n", "You walk south.\n", "You can't go south.\n"},
};

// The field runs from X 1 to 6 and from Y 1 northwards without end.
constexpr int kWestEdge = 1;
constexpr int kEastEdge = 6;
constexpr int kSouthEdge = 1;
constexpr int kEntranceX = 4;
constexpr int kEntranceY = 1;
constexpr int kKnightX = 3;
constexpr int kKnightY = 6;

// A move closed from one cell inside the field.
struct Wall {
    Way way;
    int x;
    int y;
};

constexpr Wall kWalls[] = {
    {Way::West, 2, 1},
    {Way::South, 5, 2},
};

bool IsOpen(int x, int y, const Move& move) {
    switch (move.way) {
    case Way::North:
        break;
    case Way::West:
        if (x <= kWestEdge) return false;
        break;
    case Way::East:
        if (x >= kEastEdge) return false;
        break;
    case Way::South:
        if (y <= kSouthEdge) return false;
        break;
    }
    for (const Wall& wall : kWalls)
        if (wall.way == move.way && wall.x == x && wall.y == y) return false;
    return true;
}

constexpr MonsterTemplate kBlackKnight{"Black Knight", 600, 600, 80000, 1600, 40, 30};

// Any defeat, flight included, costs what a death does (half the gold,
// the hero made whole) and ends at the crossroads.
Transition FightBlackKnight(Player& hero) {
    io() << "You walk onto a large amount of grass, in which you\n"
            "kneel down and stare at a Knight in black armor that's\n"
            "sharpening his blade. Suddenly, he stares at you.\n"
            "It's time to FIGHT!!!\n\n";
    wait();
    if (FightOne(hero, kBlackKnight) != FightResult::Won) {
        hero.HasDied();
        io() << "The Black Knight has killed you!\n";
        wait();
        return ReturnTo(crossroads);
    }
    io() << "You have killed the boss of the Grasslands. You have\n"
            "now completed the Grasslands Quest!\n";
    hero.SetGrasslands(true);
    wait();
    io() << "You watch as the stone key disinigrates into dust, falling onto the ground.\n";
    while (RemoveByName(hero.GetInventory(), "Stone Key")) {
    }
    return GoTo(over_the_stream);
}

// One turn in the field at (x, y); the position lasts for this visit only.
Transition dungeoncell(Player* player, int x, int y) {
    if (x == kKnightX && y == kKnightY) return FightBlackKnight(*player);

    const bool atEntrance = x == kEntranceX && y == kEntranceY;
    io() << "You stand in a grassy area. There is grass\n"
            "everywhere, not to mention also some other trees\n"
            "surrounding you.\n"
         << "Your Coordinates - X:" << x << ",Y:" << y << "\n"
         << "Boss Coordinates - X:3,Y:6\n\n"
            "\n\n\n";
    for (const Move& move : kMoves)
        if (IsOpen(x, y, move)) io() << move.label;
    io() << "5. Stats\n";
    if (atEntrance) io() << "6. Exit Dungeon\n";
    io().Prompt();

    const char key = io().ReadChar();
    if (key >= '1' && key <= '4') {
        const Move& move = kMoves[key - '1'];
        if (!IsOpen(x, y, move)) {
            io() << move.blocked;
            return Stay();
        }
        io() << move.walked;
        wait();
        // The field has no northern edge; a walk north stops at the largest Y.
        return GoTo(Screen(dungeoncell, SatAdd(x, move.dx), SatAdd(y, move.dy)));
    }
    if (key == '5') return Open(stats);
    if (key == '6') {
        if (atEntrance) return GoTo(over_the_stream);
        io() << "\n";
    }
    return Stay();
}

}  // namespace

Transition gldungeon(Player*) {
    random();
    return GoTo(Screen(dungeoncell, kEntranceX, kEntranceY));
}

}  // namespace vaskarn
