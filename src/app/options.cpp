#include "app/options.h"

#include <charconv>
#include <iostream>

#include "app/title.h"
#include "core/end_of_game.h"
#include "core/services.h"

namespace vaskarn {

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--seed") {
            if (i + 1 >= args.size()) {
                error = "option '--seed' needs a number";
                return std::nullopt;
            }
            const std::string& text = args[++i];
            std::int64_t value = 0;
            const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (status != std::errc() || end != text.data() + text.size() || text.empty()) {
                error = "option '--seed' needs a whole number, not '" + text + "'";
                return std::nullopt;
            }
            options.seed = value;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    return options;
}

void PrintUsage(std::ostream& out) { out << "usage: vaskarn [--help] [--version] [--seed N]\n"; }

void PrintHelp(std::ostream& out) {
    PrintUsage(out);
    out << "\n"
           "Vaskarn is a text role-playing game for the console. Create a hero,\n"
           "travel between places through numbered menus, fight turn-based\n"
           "battles, shop, craft and work, and follow the regional quests to the\n"
           "Rune King and the crown. Type a menu number and press Enter to choose.\n"
           "\n"
           "The hero is saved to Player.dll and the bank to Bank.dll in the\n"
           "current directory.\n"
           "\n"
           "options:\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "  --seed N    use N as the clock time (in seconds) whenever the random\n"
           "              generator is seeded, so that a session replays exactly\n";
}

int RunProgram(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<Options> options = ParseOptions(args, error);
    if (!options) {
        std::cerr << "vaskarn: " << error << "\n";
        PrintUsage(std::cerr);
        return 2;
    }
    if (options->help) {
        PrintHelp(std::cout);
        return 0;
    }
    if (options->version) {
        std::cout << "vaskarn " << VASKARN_VERSION << "\n";
        return 0;
    }

    // Output is flushed before every read, so the stream need not follow stdio.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    Console console(std::cin, std::cout);
    SystemClock systemClock;
    std::optional<FixedClock> fixedClock;
    if (options->seed) fixedClock.emplace(*options->seed);
    Clock* clock = fixedClock ? static_cast<Clock*>(&*fixedClock) : &systemClock;
    PortableRandom generator;
    const GameDir dir(".");
    WorldState world;
    ServicesScope scope(Services{&console, clock, &generator, &dir, &world});
    try {
        PlayGame();
    } catch (const EndOfGame&) {
    }
    std::cout.flush();
    return 0;
}

}  // namespace vaskarn
