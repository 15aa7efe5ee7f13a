#include <gtest/gtest.h>
#include <sys/resource.h>

#include <array>
#include <map>
#include <queue>
#include <random>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

#include "model/player.h"
#include "support/test_world.h"
#include "world/regions/grasslands/tunnel.h"

namespace vaskarn {
namespace {

using testing::TestWorld;
using Cell = std::pair<int, int>;

constexpr Cell kEntrance{9, 0};
constexpr Cell kGolem{2, 11};
const char* const kBlocked[] = {"You can't go north.\n", "You can't go west.\n", "You can't go east.\n",
                                "You can't go south.\n"};

// The closed moves as the tunnel's map lists them, by key, besides those off
// the grid's edge.
std::set<Cell> ListedClosed(char key) {
    static const std::map<char, std::string> kListed = {
        {'1', "6,3 7,3 8,3 0,5 1,5 2,5 3,5 4,5 9,6 1,9 2,9 3,10"},
        {'2', "9,0 9,1 6,3 6,4"},
        {'3', "2,9 3,10"},
        {'4', "9,4 0,5 2,6 7,6 8,6 9,6 3,10"},
    };
    std::set<Cell> cells;
    std::istringstream in(kListed.at(key));
    int x = 0, y = 0;
    char comma = 0;
    while (in >> x >> comma >> y) cells.insert({x, y});
    return cells;
}

Cell Step(Cell c, char key) {
    switch (key) {
    case '1': return {c.first, c.second - 1};
    case '2': return {c.first - 1, c.second};
    case '3': return {c.first + 1, c.second};
    default: return {c.first, c.second + 1};
    }
}

bool OnGrid(Cell c) { return c.first >= 0 && c.first <= 9 && c.second >= 0 && c.second <= 11; }

// Each cell's open moves, learnt from the screen itself: every key is typed
// in every cell, and the screen must list exactly the moves it then allows.
std::map<Cell, std::set<char>> ProbeTheTunnel() {
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
                const std::size_t menu = out.find("\n\n\n");
                for (char k : {'1', '2', '3', '4'})
                    if (out.find(std::string("\n") + k + ". ", menu) != std::string::npos) listed.insert(k);
                const Cell next = Step(c, key);
                if (t.kind == Transition::Kind::GoTo) {
                    EXPECT_TRUE(t.target == Screen(tunnel, next.first, next.second)) << x << "," << y << " " << key;
                    open[c].insert(key);
                } else {
                    EXPECT_EQ(t.kind, Transition::Kind::Stay);
                    EXPECT_NE(out.find(std::string(">") + kBlocked[key - '1'] + "\nPress the Enter key"),
                              std::string::npos);
                }
            }
            EXPECT_EQ(listed, open[c]) << x << "," << y;
        }
    }
    return open;
}

// The walls as the map lists them; every cell reached from the entrance,
// and the golem 18 moves away at the shortest.
TEST(TunnelTest, TheWallsFollowTheMapAndEveryCellIsReached) {
    const auto open = ProbeTheTunnel();
    for (const auto& [cell, keys] : open) {
        for (char key : {'1', '2', '3', '4'}) {
            const bool expected = OnGrid(Step(cell, key)) && !ListedClosed(key).count(cell);
            EXPECT_EQ(keys.count(key) == 1, expected) << cell.first << "," << cell.second << " key " << key;
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

// Keeps only the latest output, so a long walk is measured without its text.
class TailBuffer : public std::streambuf {
public:
    std::string tail;

protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) tail.push_back(static_cast<char>(c));
        if (tail.size() > 8192) tail.erase(0, 4096);
        return c;
    }
};

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A random walk of `moves` keys from the entrance that never enters the
// golem's cell nor leaves by the entrance: open and closed moves, the status
// screen now and then, and keys that do nothing. Returns the input and, in
// `end`, the cell it ends in.
std::string RandomWalk(const std::map<Cell, std::set<char>>& open, int moves, Cell& end) {
    std::mt19937 gen(7);
    std::string input;
    Cell at = kEntrance;
    for (int i = 0; i < moves; ++i) {
        if (i % 250 == 0) input += "5\n\n0\n";
        if (i % 97 == 0) input += "x\n";
        const char key = "12346"[gen() % 5];
        if (key == '6') {
            if (at != kEntrance) input += "6\n\n";
            continue;
        }
        input += std::string(1, key) + "\n\n";
        const Cell next = Step(at, key);
        if (open.at(at).count(key) && next != kGolem) at = next;
        else if (next == kGolem) input.erase(input.size() - 3);  // step aside instead
    }
    end = at;
    return input;
}

TEST(TunnelTest, ALongWalkKeepsMemoryFlat) {
    const auto open = ProbeTheTunnel();
    Cell shortEnd, longEnd;
    const std::string shortWalk = RandomWalk(open, 2000, shortEnd);
    const std::string longWalk = RandomWalk(open, 60000, longEnd);

    TestWorld world;
    Player hero;
    auto walk = [&](const std::string& input, std::size_t& deepest) {
        std::istringstream in(input);
        TailBuffer tail;
        std::ostream out(&tail);
        Console console(in, out);
        ServicesScope scope(Services{.console = &console});
        ScreenLoop loop(&hero);
        EXPECT_TRUE(world.EndsGame([&] { loop.Run(Screen(tunnel, 9, 0)); }));
        deepest = loop.DeepestWaiting();
        return tail.tail;
    };

    std::size_t deepest = 0;
    walk(shortWalk, deepest);
    const long before = PeakKilobytes();
    const std::string last = walk(longWalk, deepest);
    EXPECT_LT(PeakKilobytes() - before, 1024);
    EXPECT_EQ(deepest, 1u);  // the status screen, and nothing else, waits
    const std::string where = "Your coordinates - X: " + std::to_string(longEnd.first) +
                              ", Y: " + std::to_string(longEnd.second) + "\n";
    EXPECT_EQ(last.rfind("Your coordinates"), last.rfind(where));
    EXPECT_EQ(last.find("Rock Golem"), std::string::npos);
}

}  // namespace
}  // namespace vaskarn
