#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/game_dir.h"
#include "support/test_world.h"
#include "support/watched_files.h"

namespace vaskarn {
namespace {

namespace fs = std::filesystem;
using testing::TestWorld;
using testing::WatchedFiles;
using Calls = std::vector<std::string>;

Calls Listing(const fs::path& dir) {
    Calls names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GameDirTest, EachFileIsSyncedBeforeAnyRenameAndTheDirectoryAfter) {
    TestWorld world;
    WatchedFiles watched;
    const GameDir dir(world.Dir(), watched);
    ASSERT_TRUE(dir.WriteAllAtomically({{"Bank.dll", "bank"}, {"Player.dll", "hero"}}));
    EXPECT_EQ(watched.calls, (Calls{"create Bank.dll~", "write", "sync", "close", "create Player.dll~", "write", "sync",
                                    "close", "rename Bank.dll~ Bank.dll", "rename Player.dll~ Player.dll", "syncdir"}));
    EXPECT_EQ(Listing(world.Dir()), (Calls{"Bank.dll", "Player.dll"}));
    EXPECT_EQ(dir.Read("Bank.dll"), "bank");
    EXPECT_EQ(dir.Read("Player.dll"), "hero");
}

// Every step of saving the bank and then the hero, failing in turn.
TEST(GameDirTest, AFailedStepReportsFailureAndLeavesTheHeroFileAsItWas) {
    const struct {
        const char* kind;
        int number;
        const char* bank;  // Bank.dll afterwards
        const char* hero;  // Player.dll afterwards
    } cases[] = {
        {"create", 1, "old bank", "old hero"}, {"create", 2, "old bank", "old hero"},
        {"write", 1, "old bank", "old hero"},  {"write", 2, "old bank", "old hero"},
        {"sync", 1, "old bank", "old hero"},   {"sync", 2, "old bank", "old hero"},
        {"close", 1, "old bank", "old hero"},  {"close", 2, "old bank", "old hero"},
        {"rename", 1, "old bank", "old hero"},
        // The bank goes first, so only it can have been replaced.
        {"rename", 2, "bank", "old hero"},
        // Both are in place, but not yet safe from a crash: still a failure.
        {"syncdir", 1, "bank", "hero"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        world.WriteFile("Bank.dll", "old bank");
        world.WriteFile("Player.dll", "old hero");
        WatchedFiles watched;
        watched.failKind = c.kind;
        watched.failNumber = c.number;
        const GameDir dir(world.Dir(), watched);
        const std::string label = std::string(c.kind) + " " + std::to_string(c.number);
        EXPECT_FALSE(dir.WriteAllAtomically({{"Bank.dll", "bank"}, {"Player.dll", "hero"}})) << label;
        EXPECT_EQ(dir.Read("Bank.dll"), c.bank) << label;
        EXPECT_EQ(dir.Read("Player.dll"), c.hero) << label;
        EXPECT_EQ(Listing(world.Dir()), (Calls{"Bank.dll", "Player.dll"})) << label << ": a temporary file was left";
    }
}

TEST(GameDirTest, APlantedLinkIsNeverWrittenThrough) {
    TestWorld world;
    world.WriteFile("victim", "precious");
    // Where the temporary file used to go, and where this save first tries.
    fs::create_symlink("victim", world.Dir() / "Player.dll.tmp");
    WatchedFiles watched;
    watched.beforeCreate = [&](const fs::path& path) {
        if (!fs::is_symlink(fs::symlink_status(path))) fs::create_symlink("victim", path);
        watched.beforeCreate = nullptr;
    };
    const GameDir dir(world.Dir(), watched);
    EXPECT_TRUE(dir.WriteAtomically("Player.dll", "hero"));
    EXPECT_EQ(world.ReadFile("victim"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(world.Dir() / "Player.dll")));
    EXPECT_EQ(world.ReadFile("Player.dll"), "hero");
    EXPECT_EQ(std::count(watched.calls.begin(), watched.calls.end(), "create Player.dll~"), 2);
}

TEST(GameDirTest, ADirectoryNamedLikeTheTemporaryFileDoesNotBlockTheSave) {
    TestWorld world;
    fs::create_directory(world.Dir() / "Player.dll.tmp");
    WatchedFiles watched;
    watched.beforeCreate = [&](const fs::path& path) {
        fs::create_directory(path);
        watched.beforeCreate = nullptr;
    };
    const GameDir dir(world.Dir(), watched);
    EXPECT_TRUE(dir.WriteAtomically("Player.dll", "hero"));
    EXPECT_EQ(world.ReadFile("Player.dll"), "hero");
}

// Two games in one directory, each saving over and over while the other
// does: every read finds one game's file whole.
TEST(GameDirTest, TwoGamesSavingAtOnceNeverLeaveATornFile) {
    TestWorld world;
    const GameDir dir(world.Dir());
    const std::string first(20000, 'a'), second(30000, 'b');
    ASSERT_TRUE(dir.WriteAtomically("Player.dll", first));
    const auto saveAndCheck = [&](const std::string& bytes) {
        bool whole = true;
        for (int round = 0; round < 100; ++round) {
            const auto found = dir.Read("Player.dll");
            whole = dir.WriteAtomically("Player.dll", bytes) && found && (*found == first || *found == second) && whole;
        }
        return whole;
    };
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) _exit(saveAndCheck(first) ? 0 : 1);
    EXPECT_TRUE(saveAndCheck(second));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Listing(world.Dir()), Calls{"Player.dll"});
}

void MakeFile(const fs::path& path, std::uintmax_t size) {
    std::ofstream{path};
    fs::resize_file(path, size);
}

TEST(GameDirTest, ReadingTellsMissingFromUnreadableAndStopsAtTheLimit) {
    using State = FileContent::State;
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        State state;
        std::size_t size;
    } cases[] = {
        {"nothing", [](const fs::path&) {}, State::Missing, 0},
        {"a dangling link", [](const fs::path& p) { fs::create_symlink("nowhere", p); }, State::Missing, 0},
        {"a directory", [](const fs::path& p) { fs::create_directory(p); }, State::Unreadable, 0},
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, State::Unreadable, 0},
        {"an empty file", [](const fs::path& p) { MakeFile(p, 0); }, State::Read, 0},
        {"a huge file", [](const fs::path& p) { MakeFile(p, 3 * GameDir::kReadLimit); }, State::Read, GameDir::kReadLimit},
    };
    for (const auto& c : cases) {
        TestWorld world;
        c.make(world.Dir() / "Player.dll");
        const FileContent content = GameDir(world.Dir()).ReadFile("Player.dll");
        EXPECT_EQ(content.state, c.state) << c.what;
        EXPECT_EQ(content.bytes.size(), c.size) << c.what;
    }
}

}  // namespace
}  // namespace vaskarn
