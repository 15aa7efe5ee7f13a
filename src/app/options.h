#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vaskarn {

struct Options {
    bool help = false;
    bool version = false;
    std::optional<std::int64_t> seed;  // the fixed calendar time, when given
};

// Parses the command line (without the program name). On a bad option,
// returns nothing and writes the reason to `error`.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

void PrintUsage(std::ostream& out);
void PrintHelp(std::ostream& out);

// The whole program: options, then the game. Returns the exit status.
int RunProgram(const std::vector<std::string>& args);

}  // namespace vaskarn
