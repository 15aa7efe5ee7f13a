#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/grasslands/tunnel.h"

namespace vaskarn {
namespace {

using Cell = std::pair<int, int>;

// The moves closed by the map's one-sided walls, by key, besides those off
// the grid's edge.
const std::map<char, std::set<Cell>> kWalls = {
    {'1', {{6, 3}, {7, 3}, {8, 3}, {0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}, {9, 6}, {1, 9}, {2, 9}, {3, 10}}},
    {'2', {{9, 0}, {9, 1}, {6, 3}, {6, 4}}},
    {'3', {{2, 9}, {3, 10}}},
    {'4', {{9, 4}, {0, 5}, {2, 6}, {7, 6}, {8, 6}, {9, 6}, {3, 10}}},
};
const char* const kBlocked[] = {"You can't go north.\n", "You can't go west.\n", "You can't go east.\n",
                                "You can't go south.\n"};

// Every key typed in every cell but the golem's: the screen lists exactly
// the moves the map allows and then makes them, each replacing it with the
// next cell's (so a walk of any length costs no memory); it refuses the
// others.
TEST(TunnelTest, EachCellListsAndAllowsTheMovesOfTheMap) {
    testing::TestWorld world;
    Player hero;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 11; ++y) {
            if (Cell{x, y} == Cell{2, 11}) continue;
            for (char key : {'1', '2', '3', '4'}) {
                const Cell next = key == '1'   ? Cell{x, y - 1}
                                  : key == '2' ? Cell{x - 1, y}
                                  : key == '3' ? Cell{x + 1, y}
                                               : Cell{x, y + 1};
                const bool open = next.first >= 0 && next.first <= 9 && next.second >= 0 && next.second <= 11 &&
                                  !kWalls.at(key).count({x, y});
                world.SetInput(std::string(1, key) + "\n\n");
                world.TakeOutput();
                const Transition t = tunnel(&hero, x, y);
                const std::string out = world.TakeOutput();
                const std::string where = std::to_string(x) + "," + std::to_string(y) + " key " + key;
                EXPECT_EQ(testing::Has(out.substr(out.find("\n\n\n")), std::string("\n") + key + ". "), open) << where;
                if (open) {
                    EXPECT_TRUE(t.kind == Transition::Kind::GoTo && t.target == Screen(tunnel, next.first, next.second))
                        << where;
                } else {
                    EXPECT_EQ(t.kind, Transition::Kind::Stay) << where;
                    EXPECT_TRUE(testing::Has(out, std::string(">") + kBlocked[key - '1'] + "\nPress the Enter key"))
                        << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vaskarn
