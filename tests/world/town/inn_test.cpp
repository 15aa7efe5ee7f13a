#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "core/game_dir.h"
#include "core/screen.h"
#include "core/services.h"
#include "model/player.h"
#include "support/test_world.h"
#include "support/watched_files.h"
#include "world/town/inn.h"
#include "world/town/town.h"

namespace vaskarn {
namespace {

using testing::TestWorld;
using Names = std::vector<std::string>;

const std::string P = "\nPress the Enter key to continue\n\n";
const std::string kMenu =
    "What do you want to do?\n\n1.Bar\n2.Talk to Old Man\n3.Steal A Beer\n4.Go Upstairs\n5.Rent A Room\n"
    "6.Access Your Bank\n7.Back To town\n>";

// The inn from its description, with `typed` after the first pause, until
// the input ends; returns what was written after the first menu.
std::string AtTheInn(TestWorld& world, Player& hero, const std::string& typed) {
    world.TakeOutput();
    world.SetInput("\n" + typed);
    EXPECT_TRUE(world.EndsGame([&] { RunScreens(&hero, inn); }));
    const std::string out = world.TakeOutput();
    return out.substr(out.find(kMenu) + kMenu.size());
}

std::string Counter(const Player& hero) {
    return "\n\n" + std::string(hero.GetName()) + "'s Bank\n\n\nCurrent Gold In Bank: " +
           std::to_string(hero.GetBankAmount()) + "\nCurrent Gold In Inventory: " + std::to_string(hero.GetGold()) +
           "\n\n\n1. Withdraw Gold\n2. Deposit Gold\n3. Do Nothing\n>\n\n";
}

std::string Int32(int v) {
    const auto u = static_cast<unsigned>(v);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}

// The world's game directory over watched files, while this lives.
class Watched {
public:
    explicit Watched(const TestWorld& world) : dir_(world.Dir(), files), scope_(Services{.dir = &dir_}) {}
    // The files whose replacement was tried since the last call, in order.
    Names Replacements() {
        Names names;
        for (const std::string& call : files.calls)
            if (call.starts_with("rename ")) names.push_back(call.substr(call.rfind(' ') + 1));
        files.calls.clear();
        return names;
    }
    testing::WatchedFiles files;

private:
    GameDir dir_;
    ServicesScope scope_;
};

void Bran(Player& hero, int gold, int bank) {
    hero.SetName("Bran");
    hero.SetGold(gold);
    hero.SetBankAmount(bank);
}

// Both files are written, the one that gains the gold first; afterwards
// each holds exactly what the hero holds.
TEST(InnTest, EveryMoveSavesBothFilesTheGainingOneFirst) {
    TestWorld world;
    Watched watched(world);
    Player hero;
    Bran(hero, 100, 0);
    const struct { std::string typed, said; Names order; int gold, bank; } moves[] = {
        {"2\n60\n\n", "Deposit Amount?\n>\n\n60 Gold Deposited\n", {"Bank.dll", "Player.dll"}, 40, 60},
        {"1\n60\n\n", "Withdraw Amount?\n>\n\n60 Gold Withdrawn\n", {"Player.dll", "Bank.dll"}, 100, 0},  // all of it
        {"2\n100\n\n", "Deposit Amount?\n>\n\n100 Gold Deposited\n", {"Bank.dll", "Player.dll"}, 0, 100},
    };
    for (const auto& m : moves) {
        const std::string counter = Counter(hero);  // before the move
        EXPECT_EQ(AtTheInn(world, hero, "6\n" + m.typed), counter + m.said + P + kMenu);
        EXPECT_EQ(watched.Replacements(), m.order) << m.typed;
        EXPECT_EQ(std::pair(hero.GetGold(), hero.GetBankAmount()), std::pair(m.gold, m.bank)) << m.typed;
        EXPECT_EQ(world.ReadFile("Bank.dll"), Int32(m.bank));
        const auto saved = world.ReadFile("Player.dll");
        ASSERT_TRUE(hero.Save());
        EXPECT_EQ(world.ReadFile("Player.dll"), saved) << "the player file is the whole hero";
        watched.Replacements();
    }
    // A balance a damaged file left negative is cleared by the next deposit.
    Bran(hero, 10, -50);
    AtTheInn(world, hero, "6\n2\n10\n\n");
    EXPECT_EQ(world.ReadFile("Bank.dll"), Int32(0));
}

// A file that cannot be replaced fails the move: the counter says so, the
// hero keeps what he had, and a file already replaced is put back.
TEST(InnTest, AMoveThatCannotBeSavedIsUndone) {
    const std::string sorry = "The banker shakes his head: the bank's books could not be saved.\n";
    const std::string deposit =
        "Deposit Amount?\n>\n\n" + sorry + "Nothing was deposited; your gold is still in your inventory.\n";
    const std::string withdraw =
        "Withdraw Amount?\n>\n\n" + sorry + "Nothing was withdrawn; your gold is still in the bank.\n";
    const struct { std::string typed; int failing; std::string said; Names tried; } cases[] = {
        {"2\n30\n\n", 1, deposit, {"Bank.dll"}},
        {"2\n30\n\n", 2, deposit, {"Bank.dll", "Player.dll", "Bank.dll"}},
        {"1\n30\n\n", 1, withdraw, {"Player.dll"}},
        {"1\n30\n\n", 2, withdraw, {"Player.dll", "Bank.dll", "Player.dll"}},
    };
    for (const auto& c : cases) {
        TestWorld world;
        Player hero;
        Bran(hero, 100, 50);
        ASSERT_TRUE(hero.Save() && hero.SaveBank());
        const auto heroFile = world.ReadFile("Player.dll");
        const auto bankFile = world.ReadFile("Bank.dll");
        Watched watched(world);
        watched.files.failKind = "rename";
        watched.files.failNumber = c.failing;
        const std::string label = c.typed.substr(0, 1) + "/" + std::to_string(c.failing);
        EXPECT_EQ(AtTheInn(world, hero, "6\n" + c.typed), Counter(hero) + c.said + P + kMenu) << label;
        EXPECT_EQ(std::pair(hero.GetGold(), hero.GetBankAmount()), std::pair(100, 50)) << label;
        EXPECT_EQ(watched.Replacements(), c.tried) << label;
        EXPECT_EQ(world.ReadFile("Player.dll"), heroFile) << label;
        EXPECT_EQ(world.ReadFile("Bank.dll"), bankFile) << label;
    }
}

TEST(InnTest, TheCounterRefusesWithoutTouchingAFile) {
    const struct { int gold, bank; std::string typed, said; } cases[] = {
        {100, 0, "1\n", "You have no gold in your bank!\n"},
        {100, -5, "1\n", "You have no gold in your bank!\n"},
        {100, 50, "1\n0\n", "Withdraw Amount?\n>\n\nYou can only withdraw 1 gold coin or more!\n"},
        {100, 50, "1\n-5\n", "Withdraw Amount?\n>\n\nYou can only withdraw 1 gold coin or more!\n"},
        {100, 50, "1\nall\n", "Withdraw Amount?\n>\n\nYou can only withdraw 1 gold coin or more!\n"},
        {100, 50, "1\n51\n", "Withdraw Amount?\n>\n\nYou don't have that much in the bank!\n"},
        {INT_MAX - 10, 50, "1\n11\n", "Withdraw Amount?\n>\n\nYour pockets can't hold that much gold!\n"},
        {0, 50, "2\n", "You don't have any gold on hand!\n"},
        {100, 50, "2\n-1\n", "Deposit Amount?\n>\n\nYou can only deposit 1 gold coin or more!\n"},
        {100, 50, "2\n101\n", "Deposit Amount?\n>\n\nYou don't have that much gold in your inventory!\n"},
        {100, INT_MAX - 50, "2\n51\n", "Deposit Amount?\n>\n\nThe bank can't hold that much gold!\n"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        Player hero;
        Bran(hero, c.gold, c.bank);
        EXPECT_EQ(AtTheInn(world, hero, "6\n" + c.typed + "\n"), Counter(hero) + c.said + P + kMenu) << c.typed;
        EXPECT_EQ(std::pair(hero.GetGold(), hero.GetBankAmount()), std::pair(c.gold, c.bank)) << c.typed;
        EXPECT_FALSE(world.ReadFile("Player.dll") || world.ReadFile("Bank.dll")) << c.typed;
    }
}

// The product is taken modulo 2^32, as the calculator's digits wrap.
TEST(InnTest, TheCalculatorShowsThe32BitProduct) {
    const struct { const char *a, *b, *shown; } cases[] = {
        {"2", "3", "2 x 3 = 6"},
        {"2147483647", "2", "2147483647 x 2 = -2"},
        {"-2147483648", "-1", "-2147483648 x -1 = -2147483648"},
        {"-2147483648", "-2147483648", "-2147483648 x -2147483648 = 0"},
        {"99999999999", "seven", "0 x 0 = 0"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        Player hero;
        Bran(hero, 0, 0);
        const std::string out = AtTheInn(world, hero, std::string("4\n\n1\n\n") + c.a + "\n\n" + c.b + "\n\n\n");
        EXPECT_NE(out.find(std::string("You look on the screen: ") + c.shown + "\n" + P + "You walk upstairs"),
                  std::string::npos)
            << out;
    }
}

// Thousands of visits to every corner of the inn, the workshop and the
// mentor never pile up screens waiting to resume: at most the square's
// prompt and a menu.
TEST(InnTest, ALongWalkKeepsTheWaitingListShort) {
    std::string walk = "\n";
    for (int i = 0; i < 1000; ++i)
        walk += "1\n\n\n" "1\nn\n\n\n" "5\nno\n\n" "4\n\n3\n\n\n" "2\n\n\n5\n\n\n" "6\n3\n" "x\n" "3\n\n\n" "7\n\n\n"
                "8\n\n" "2\nn\n\n" "1\n\n" "3\n\n\n"
                "9\n\n\n\n" "2\n\n" "\n\nn\n\n\n\n\n\n" "6\n\n" "16\n\n\n";
    TestWorld world(walk);
    Player hero;
    Bran(hero, 0, 0);
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(town); }));
    EXPECT_EQ(loop.DeepestWaiting(), 2u);
    const std::string out = world.Output();
    for (const std::string said : {"You head back to town.\n", "Head Worker:\nOk, bye.\n", "Ok, bye!\n"}) {
        std::size_t times = 0;
        for (std::size_t at = 0; (at = out.find(said, at)) != std::string::npos; ++at) ++times;
        EXPECT_EQ(times, 1000u) << said;
    }
}

}  // namespace
}  // namespace vaskarn
