#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vaskarn {

struct Options {
    bool help = false;
    bool version = false;
    std::optional<std::int64_t> seed;  // the fixed calendar time, when given
    std::optional<std::string> dir;    // the game directory, when given
    std::optional<std::string> record;  // where to record the session
    std::optional<std::string> replay;  // the record to play back
};

// Parses the command line (without the program name). On a bad option,
// returns nothing and writes the reason to `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The directory that holds the game's files, and what chose it.
struct GameDirChoice {
    enum class From { Option, Environment, Default };
    std::filesystem::path path;
    From from = From::Default;
};

// --dir wins; then the environment variable VASKARN_DIR (`environment`, null
// when it is not set; an empty value counts as not set); then the current
// directory.
GameDirChoice ChooseGameDir(const Options& options, const char* environment);

void PrintUsage(std::ostream& out);
void PrintHelp(std::ostream& out, const GameDirChoice& dir);

// The whole program: options, then the game. Returns the exit status:
// 0 when the game ended (however the player ended it), 1 when the game
// directory is in use or an output could not be written, 2 when the command
// line, the game directory or a record to replay cannot be used.
int RunProgram(const std::vector<std::string>& args);

}  // namespace vaskarn
