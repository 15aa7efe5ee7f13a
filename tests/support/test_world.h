#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "core/clock.h"
#include "core/console.h"
#include "core/end_of_game.h"
#include "core/game_dir.h"
#include "core/services.h"
#include "core/world_state.h"
#include "support/scripted_random.h"

namespace vaskarn::testing {

// A whole game world for one test, installed as the game's services while
// it lives: typed input, captured output, a clock that never moves, a
// scripted generator and an empty temporary game directory.
class TestWorld {
public:
    explicit TestWorld(std::string input = "");
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Everything written so far; TakeOutput also clears it.
    std::string Output() const { return out_.str(); }
    std::string TakeOutput();
    // Replaces whatever input is still unread.
    void SetInput(const std::string& input) { in_.clear(), in_.str(input); }
    // Runs `action`; true when it ended the game.
    bool EndsGame(const std::function<void()>& action);

    const std::filesystem::path& Dir() const { return dirPath_; }
    std::optional<std::string> ReadFile(const std::string& name) const { return dir_.Read(name); }
    void WriteFile(const std::string& name, const std::string& bytes) const;

    FixedClock clock{1000};
    ScriptedRandom scripted;
    WorldState state;

private:
    std::filesystem::path dirPath_;
    std::istringstream in_;
    std::ostringstream out_;
    Console console_;
    GameDir dir_;
    ServicesScope scope_;
};

}  // namespace vaskarn::testing
