#pragma once

#include <cerrno>
#include <sstream>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/console.h"
#include "core/end_of_game.h"
#include "core/game_dir.h"
#include "core/rng.h"
#include "core/services.h"
#include "core/world_state.h"
#include "model/player.h"
#include "persistence/save_files.h"

namespace vaskarn::testing {

// Serves one set of bytes as every game file and refuses every write, so
// the loaders can be driven from memory, thousands of times a second.
class OneFileForAll final : public FileSystem {
public:
    std::string bytes;

    FileContent Read(const Path&, std::size_t limit) override {
        return {FileContent::State::Read, bytes.substr(0, limit)};
    }
    int CreateNew(const Path&, int&) override { return EROFS; }
    int Write(int, std::string_view) override { return EROFS; }
    int Sync(int) override { return EROFS; }
    int Close(int) override { return 0; }
    int Rename(const Path&, const Path&) override { return EROFS; }
    int Remove(const Path&) override { return EROFS; }
    int SyncDirectory(const Path&) override { return EROFS; }
};

// Loads `bytes` as Player.dll and Bank.dll into a new hero, then loads what
// that hero saves into another: whatever a load makes of a file, a save must
// keep, so both save the same bytes. Answers what went wrong, or nothing.
// Sanitizers catch what a hostile file could do besides.
inline std::string CheckLoaders(std::string_view bytes) {
    OneFileForAll files;
    files.bytes = bytes;
    std::istringstream in(std::string(30000, '\n'));  // an Enter for every refusal a full list shows
    std::ostringstream out;
    Console console(in, out);
    FixedClock clock(0);
    PortableRandom generator;
    const GameDir dir("game", files);
    WorldState world;
    const ServicesScope scope(Services{&console, &clock, &generator, &dir, &world});
    Player first, second;
    try {
        first.Load();
        first.LoadBank();
        files.bytes = PlayerFileBytes(first);
        second.Load();
    } catch (const EndOfGame&) {
        return "a load ended the game";
    }
    if (PlayerFileBytes(second) != files.bytes) return "the reloaded hero saves different bytes";
    if (BankFileBytes(first).size() != 4) return "the bank file is not 4 bytes";
    return "";
}

}  // namespace vaskarn::testing
