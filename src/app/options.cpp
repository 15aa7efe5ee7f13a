#include "app/options.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <system_error>

#include "app/title.h"
#include "core/dir_lock.h"
#include "core/end_of_game.h"
#include "core/fd_stream.h"
#include "core/services.h"
#include "core/session_record.h"
#include "core/terminal.h"

namespace vaskarn {
namespace {

constexpr const char* kDirVariable = "VASKARN_DIR";

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

void ReportWriteFailure(const WriteFailed& failure) {
    std::cerr << "vaskarn: cannot write " << failure.what;
    if (failure.error != 0) std::cerr << ": " << ErrorText(failure.error);
    std::cerr << "\n";
}

// Makes sure the game directory exists and is a directory; false with the
// player's message when it cannot be had.
bool PrepareGameDir(const std::filesystem::path& dir, std::string& message) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(dir, error);
    if (std::filesystem::is_directory(status)) return true;
    if (std::filesystem::exists(status)) {
        message = "cannot use " + Quoted(dir) + " as the game directory: it is not a directory";
        return false;
    }
    if (status.type() != std::filesystem::file_type::not_found) {
        message = "cannot use the game directory " + Quoted(dir) + ": " + error.message();
        return false;
    }
    std::filesystem::create_directories(dir, error);
    if (error) {
        message = "cannot create the game directory " + Quoted(dir) + ": " + error.message();
        return false;
    }
    return true;
}

// The game itself, once the options are known.
int Play(const Options& options, const GameDirChoice& dir, FdOutput& screen, std::ostream& out) {
    if (options.replay) {
        const RecordCheck check = CheckRecord(*options.replay);
        if (!check.problem.empty()) {
            std::cerr << "vaskarn: cannot replay " << Quoted(*options.replay) << ": " << check.problem << "\n";
            return 2;
        }
        if (check.gameVersion != VASKARN_VERSION) {
            std::cerr << "vaskarn: " << Quoted(*options.replay) << " was recorded by Vaskarn "
                      << check.gameVersion << "; this is Vaskarn " << VASKARN_VERSION
                      << ", so the replay may differ\n";
        }
    }

    std::string message;
    if (!PrepareGameDir(dir.path, message)) {
        std::cerr << "vaskarn: " << message << "\n";
        return 2;
    }
    DirLock lock;
    switch (lock.Take(dir.path, message)) {
    case DirLock::Outcome::Locked:
        break;
    case DirLock::Outcome::InUse:
        std::cerr << "vaskarn: the game directory " << Quoted(dir.path)
                  << " is in use by another game of Vaskarn\n";
        return 1;
    case DirLock::Outcome::Failed:
        std::cerr << "vaskarn: cannot use the game directory " << Quoted(dir.path) << ": " << message << "\n";
        return 2;
    }

    std::unique_ptr<SessionRecorder> recorder;
    if (options.record) {
        recorder = SessionRecorder::Create(*options.record, VASKARN_VERSION, message);
        if (!recorder) {
            std::cerr << "vaskarn: cannot create the record " << Quoted(*options.record) << ": " << message << "\n";
            return 2;
        }
    }

    FdInput typed(STDIN_FILENO);
    if (recorder) typed.OnRead([&recorder](std::string_view bytes) { return recorder->Input(bytes); });
    std::optional<ReplayInput> replayedInput;
    if (options.replay) replayedInput.emplace(*options.replay);
    std::istream in(replayedInput ? static_cast<std::streambuf*>(&*replayedInput) : &typed);
    InputKeys typedKeys(STDIN_FILENO);
    std::optional<RecordingKeys> recordingKeys;
    std::optional<ReplayKeys> replayedKeys;
    KeySource* keys = &typedKeys;
    if (recorder) keys = &recordingKeys.emplace(typedKeys, *recorder);
    if (options.replay) keys = &replayedKeys.emplace(*options.replay);
    Console console(in, out, keys);

    SystemClock systemClock;
    std::optional<FixedClock> fixedClock;
    std::optional<ReplayClock> replayClock;
    Clock* clock = &systemClock;
    if (options.seed) clock = &fixedClock.emplace(*options.seed);
    if (options.replay) clock = &replayClock.emplace(*options.replay);
    std::optional<RecordingClock> recordingClock;
    if (recorder) clock = &recordingClock.emplace(*clock, *recorder);

    PortableRandom generator;
    const GameDir gameDir(dir.path);
    WorldState world;
    ServicesScope scope(Services{&console, clock, &generator, &gameDir, &world});

    std::optional<WriteFailed> failure;
    try {
        PlayGame();
    } catch (const EndOfGame&) {
    } catch (const WriteFailed& lost) {
        failure = lost;
    }
    out.flush();
    if (!failure && out.bad()) failure = WriteFailed{"the game's output", 0};
    // The console cannot know why the output failed; the screen can.
    if (failure && failure->error == 0) failure->error = screen.Error();
    if (!failure && recorder && recorder->Failed()) failure = recorder->Failure();
    // A game that ends while waiting at a prompt leaves the terminal on a
    // fresh line; piped output stays exactly what the game wrote.
    if (!out.bad() && IsTerminal(STDOUT_FILENO) && !screen.AtLineStart()) {
        out << '\n';
        out.flush();
    }
    if (failure) {
        ReportWriteFailure(*failure);
        return 1;
    }
    return 0;
}

// Reads the value of an option that takes one: false, with the reason, when
// it is missing or empty.
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const char* what, std::string& value,
               std::string& error) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "option '" + args[i] + "' needs " + what;
        return false;
    }
    value = args[++i];
    return true;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    Options options;
    std::string value;
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
            std::int64_t seed = 0;
            const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (status != std::errc() || end != text.data() + text.size() || text.empty()) {
                error = "option '--seed' needs a whole number, not '" + text + "'";
                return std::nullopt;
            }
            options.seed = seed;
        } else if (arg == "--dir") {
            if (!TakeValue(args, i, "a directory", value, error)) return std::nullopt;
            options.dir = value;
        } else if (arg == "--record") {
            if (!TakeValue(args, i, "a file to record to", value, error)) return std::nullopt;
            options.record = value;
        } else if (arg == "--replay") {
            if (!TakeValue(args, i, "a recorded file", value, error)) return std::nullopt;
            options.replay = value;
        } else {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        }
    }
    // A replay brings its own input and clock readings.
    if (options.replay && options.record) {
        error = "options '--record' and '--replay' cannot be used together";
        return std::nullopt;
    }
    if (options.replay && options.seed) {
        error = "options '--seed' and '--replay' cannot be used together: the record holds the clock";
        return std::nullopt;
    }
    return options;
}

GameDirChoice ChooseGameDir(const Options& options, const char* environment) {
    if (options.dir) return {*options.dir, GameDirChoice::From::Option};
    if (environment != nullptr && *environment != '\0') return {environment, GameDirChoice::From::Environment};
    return {".", GameDirChoice::From::Default};
}

void PrintUsage(std::ostream& out) {
    out << "usage: vaskarn [--help] [--version] [--seed N] [--dir DIR] [--record FILE]\n"
           "               [--replay FILE]\n";
}

void PrintHelp(std::ostream& out, const GameDirChoice& dir) {
    static constexpr const char* kFrom[] = {"(from --dir)", "(from VASKARN_DIR)", "(the current directory)"};
    PrintUsage(out);
    out << "\n"
           "Vaskarn is a text role-playing game for the console. Create a hero,\n"
           "travel between places through numbered menus, fight turn-based\n"
           "battles, shop, craft and work, and follow the regional quests to the\n"
           "Rune King and the crown. Type a menu number and press Enter to choose.\n"
           "\n"
           "The hero is saved to Player.dll and the bank to Bank.dll in the game\n"
           "directory, which would be:\n"
           "  "
        << dir.path.string() << " " << kFrom[static_cast<int>(dir.from)]
        << "\n"
           "\n"
           "options:\n"
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n"
           "  --seed N       use N as the clock time (in seconds) whenever the random\n"
           "                 generator is seeded, so that a session replays exactly\n"
           "  --dir DIR      keep the game's files in DIR, made if it is missing;\n"
           "                 without it, VASKARN_DIR, or else the current directory\n"
           "  --record FILE  write the session's input and clock readings to FILE\n"
           "  --replay FILE  play back a session recorded with --record\n"
           "\n"
           "The manual page vaskarn(6) tells of the files, the exit statuses and\n"
           "the record format.\n";
}

int RunProgram(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<Options> options = ParseOptions(args, error);
    if (!options) {
        std::cerr << "vaskarn: " << error << "\n";
        PrintUsage(std::cerr);
        return 2;
    }
    FdOutput screen(STDOUT_FILENO);
    std::ostream out(&screen);
    const GameDirChoice dir = ChooseGameDir(*options, std::getenv(kDirVariable));
    if (!options->help && !options->version) return Play(*options, dir, screen, out);

    if (options->help) {
        PrintHelp(out, dir);
    } else {
        out << "vaskarn " << VASKARN_VERSION << "\n";
    }
    out.flush();
    if (out.bad()) {
        ReportWriteFailure(WriteFailed{"the game's output", screen.Error()});
        return 1;
    }
    return 0;
}

}  // namespace vaskarn
