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
#include "core/rng.h"
#include "core/services.h"
#include "support/scripted_random.h"

namespace vaskarn::testing {

// A whole game world for one test: typed input, captured output, a clock
// that never moves, a generator (scripted, or the real one seeded by the
// clock) and an empty temporary game directory, all installed as the game's
// services for the lifetime of the object.
class TestWorld {
public:
    enum class Generator { Scripted, Portable };

    explicit TestWorld(std::string input = "", Generator generator = Generator::Scripted);
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Everything written so far, and the same with the record cleared.
    std::string Output() const { return out_.str(); }
    std::string TakeOutput();
    // Replaces whatever input is still unread.
    void SetInput(const std::string& input);

    // Runs `action`; true when it ended the game (EndOfGame).
    bool EndsGame(const std::function<void()>& action);

    const std::filesystem::path& Dir() const { return dirPath_; }
    std::optional<std::string> ReadFile(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;

    FixedClock clock{1000};
    ScriptedRandom scripted;
    PortableRandom portable;
    WorldState state;

private:
    std::filesystem::path dirPath_;
    std::istringstream in_;
    std::ostringstream out_;
    Console console_;
    GameDir dir_;
    std::optional<ServicesScope> scope_;
};

}  // namespace vaskarn::testing
