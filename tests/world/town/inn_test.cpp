#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "core/game_dir.h"
#include "core/services.h"
#include "model/player.h"
#include "support/test_world.h"
#include "support/watched_files.h"
#include "world/town/inn.h"

namespace vaskarn {
namespace {

using testing::TestWorld;
using Names = std::vector<std::string>;

// The inn from its description, with `typed` after the first pause, until
// the input ends; returns what was written meanwhile.
std::string AtTheInn(TestWorld& world, Player& hero, const std::string& typed) {
    world.TakeOutput();
    world.SetInput("\n" + typed);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, inn); }));
    return world.TakeOutput();
}

std::string Int32(int v) {
    const auto u = static_cast<unsigned>(v);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}

// The world's game directory over watched files, while this lives.
struct Watched {
    explicit Watched(const TestWorld& world) : dir(world.Dir(), files), scope(Services{.dir = &dir}) {}
    testing::WatchedFiles files;
    GameDir dir;
    ServicesScope scope;
};

// A move saves both files, the one that gains the gold first; afterwards
// each holds exactly what the hero holds. A file that cannot be replaced
// fails the move: the hero keeps what he had, and a file already replaced is
// put back. A refusal touches no file.
TEST(InnTest, EveryMoveSavesBothFilesTheGainingOneFirstOrIsUndone) {
    const std::string sorry = "The banker shakes his head: the bank's books could not be saved.\nNothing was ";
    const Names deposited = {"Bank.dll", "Player.dll"}, withdrawn = {"Player.dll", "Bank.dll"};
    const struct {
        int gold, bank;
        std::string typed;
        int failing;  // the rename that fails, if any
        std::string said;
        Names tried;
        int goldAfter, bankAfter;
    } cases[] = {
        {100, 50, "2\n60\n", 0, "60 Gold Deposited\n", deposited, 40, 110},
        {100, 50, "2\n100\n", 0, "100 Gold Deposited\n", deposited, 0, 150},  // all of it
        {100, 50, "1\n50\n", 0, "50 Gold Withdrawn\n", withdrawn, 150, 0},     // all of it
        {10, -50, "2\n10\n", 0, "10 Gold Deposited\n", deposited, 0, 0},        // a damaged balance is cleared
        {100, 50, "2\n30\n", 1, sorry + "deposited; your gold is still in your inventory.\n", {"Bank.dll"}, 100, 50},
        {100, 50, "2\n30\n", 2, sorry + "deposited", {"Bank.dll", "Player.dll", "Bank.dll"}, 100, 50},
        {100, 50, "1\n30\n", 1, sorry + "withdrawn; your gold is still in the bank.\n", {"Player.dll"}, 100, 50},
        {100, 50, "1\n30\n", 2, sorry + "withdrawn", {"Player.dll", "Bank.dll", "Player.dll"}, 100, 50},
        {100, 0, "1\n", 0, "You have no gold in your bank!\n", {}, 100, 0},
        {100, -5, "1\n", 0, "You have no gold in your bank!\n", {}, 100, -5},
        {INT_MAX - 10, 50, "1\n11\n", 0, "Your pockets can't hold that much gold!\n", {}, INT_MAX - 10, 50},
        {100, INT_MAX - 50, "2\n51\n", 0, "The bank can't hold that much gold!\n", {}, 100, INT_MAX - 50},
    };
    for (const auto& c : cases) {
        TestWorld world;
        Player hero;
        hero.SetName("Bran");
        hero.SetGold(c.gold);
        hero.SetBankAmount(c.bank);
        ASSERT_TRUE(hero.Save() && hero.SaveBank());
        Watched watched(world);
        watched.files.failKind = c.failing ? "rename" : "";
        watched.files.failNumber = c.failing;
        const std::string label = c.typed + std::to_string(c.failing);
        EXPECT_NE(AtTheInn(world, hero, "6\n" + c.typed + "\n").find(">\n\n" + c.said), std::string::npos) << label;
        Names replaced;  // the files whose replacement was tried, in order
        for (const std::string& call : watched.files.calls)
            if (call.starts_with("rename ")) replaced.push_back(call.substr(call.rfind(' ') + 1));
        EXPECT_EQ(replaced, c.tried) << label;
        EXPECT_EQ(std::pair(hero.GetGold(), hero.GetBankAmount()), std::pair(c.goldAfter, c.bankAfter)) << label;
        EXPECT_EQ(world.ReadFile("Bank.dll"), Int32(c.bankAfter)) << label;
        const auto saved = world.ReadFile("Player.dll");
        ASSERT_TRUE(hero.Save());
        EXPECT_EQ(world.ReadFile("Player.dll"), saved) << label;
    }
}

// The product is taken modulo 2^32, as the calculator's digits wrap.
TEST(InnTest, TheCalculatorShowsThe32BitProduct) {
    const struct { const char *a, *b, *shown; } cases[] = {
        {"2147483647", "2", "2147483647 x 2 = -2"},
        {"-2147483648", "-1", "-2147483648 x -1 = -2147483648"},
        {"-2147483648", "-2147483648", "-2147483648 x -2147483648 = 0"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        Player hero;
        const std::string out = AtTheInn(world, hero, std::string("4\n\n1\n\n") + c.a + "\n\n" + c.b + "\n\n\n");
        EXPECT_NE(out.find(std::string("You look on the screen: ") + c.shown + "\n"), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace vaskarn
