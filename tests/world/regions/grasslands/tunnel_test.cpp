#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <set>
#include <string>
#include <utility>

#include "model/player.h"
#include "support/visit.h"
#include "world/regions/grasslands/tunnel.h"

namespace vaskarn {
namespace {

using testing::Has;
using testing::TestWorld;
using Cell = std::pair<int, int>;

constexpr Cell kEntrance{9, 0};
constexpr Cell kGolem{2, 11};
const char* const kBlocked[] = {"You can't go north.\n", "You can't go west.\n", "You can't go east.\n",
                                "You can't go south.\n"};

Cell Step(Cell c, char key) {
    switch (key) {
        case '1': return {c.first, c.second - 1};
        case '2': return {c.first - 1, c.second};
        case '3': return {c.first + 1, c.second};
        default: return {c.first, c.second + 1};
    }
}

// Every key typed in every cell: the screen must list exactly the moves it
// then allows, each replacing it with the next cell's (so a walk of any
// length costs no memory), and refuse the others. From what it allows,
// every cell is reached from the entrance and the golem is 18 moves away at
// the shortest.
TEST(TunnelTest, EachCellListsTheMovesItAllowsAndEveryCellIsReached) {
    TestWorld world;
    Player hero;
    std::map<Cell, std::set<char>> open;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 11; ++y) {
            const Cell c{x, y};
            if (c == kGolem) continue;
            std::set<char> listed;
            for (char key : {'1', '2', '3', '4'}) {
                world.SetInput(std::string(1, key) + "\n\n");
                world.TakeOutput();
                const Transition t = tunnel(&hero, x, y);
                const std::string out = world.TakeOutput();
                for (char k : {'1', '2', '3', '4'})
                    if (out.find(std::string("\n") + k + ". ", out.find("\n\n\n")) != std::string::npos)
                        listed.insert(k);
                const Cell next = Step(c, key);
                if (t.kind == Transition::Kind::GoTo) {
                    EXPECT_TRUE(t.target == Screen(tunnel, next.first, next.second)) << x << "," << y << " " << key;
                    open[c].insert(key);
                } else {
                    EXPECT_EQ(t.kind, Transition::Kind::Stay);
                    EXPECT_TRUE(Has(out, std::string(">") + kBlocked[key - '1'] + "\nPress the Enter key"));
                }
            }
            EXPECT_EQ(listed, open[c]) << x << "," << y;
        }
    }
    std::map<Cell, int> distance{{kEntrance, 0}};
    std::queue<Cell> queue;
    queue.push(kEntrance);
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop();
        if (c == kGolem) continue;
        for (char key : open.at(c)) {
            const Cell next = Step(c, key);
            if (distance.emplace(next, distance[c] + 1).second) queue.push(next);
        }
    }
    EXPECT_EQ(distance.size(), 120u);
    EXPECT_EQ(distance[kGolem], 18);
}

}  // namespace
}  // namespace vaskarn
