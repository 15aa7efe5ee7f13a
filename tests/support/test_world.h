#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>

#include "core/clock.h"
#include "core/console.h"
#include "core/end_of_game.h"
#include "core/game_dir.h"
#include "core/rng.h"
#include "core/services.h"
#include "core/world_state.h"

namespace vaskarn::testing {

// Hands out the queued raw values in order, then zeros. Seeding leaves the
// queue alone, so a test can script draws across re-seeds.
class ScriptedRandom : public RandomSource {
public:
    void Seed(std::uint32_t seed) override {
        ++seeds;
        lastSeed = seed;
        drawsBeforeSeed = draws;
    }
    std::uint32_t Next() override {
        ++draws;
        if (queue.empty()) return 0;
        const std::uint32_t value = queue.front();
        queue.pop_front();
        return value;
    }
    void Push(std::initializer_list<std::uint32_t> values) { queue.insert(queue.end(), values); }

    std::deque<std::uint32_t> queue;
    int seeds = 0, draws = 0;
    int drawsBeforeSeed = 0;  // draws taken before the last seeding
    std::uint32_t lastSeed = 0;
};

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
    std::string TakeOutput() {
        std::string text = out_.str();
        out_.str("");
        return text;
    }
    // Replaces whatever input is still unread.
    void SetInput(const std::string& input) { in_.clear(), in_.str(input); }
    // Runs `action`; true when it ended the game.
    static bool EndsGame(const std::function<void()>& action) {
        try {
            action();
        } catch (const EndOfGame&) {
            return true;
        }
        return false;
    }

    const std::filesystem::path& Dir() const { return dirPath_; }
    std::optional<std::string> ReadFile(const std::string& name) const { return dir_.Read(name); }
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(dirPath_ / name, std::ios::binary | std::ios::trunc) << bytes;
    }

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
