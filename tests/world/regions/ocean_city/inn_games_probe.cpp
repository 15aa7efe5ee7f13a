// Plays one of the inn's games on the real standard input and output, with
// the descriptor-backed console, keys and records the game itself uses, so
// that shell tests can drive a game through a pipe, a terminal or a record
// before any menu leads to it.
//
//   inn_games_probe GAME GOLD [--record FILE | --replay FILE]
//
// GAME is darts, balloon, gamble, horse or contest. The hero's gold at the
// end is written to standard error as "gold N".
#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/end_of_game.h"
#include "core/fd_stream.h"
#include "core/services.h"
#include "core/session_record.h"
#include "core/terminal.h"
#include "model/player.h"
#include "world/regions/ocean_city/inn_games.h"

namespace {

using namespace vaskarn;

std::optional<Screen> GameNamed(std::string_view name) {
    if (name == "darts") return Screen(playdarts);
    if (name == "balloon") return Screen(fillupwaterintoballoon);
    if (name == "gamble") return Screen(gamble);
    if (name == "horse") return Screen(shootthehorsegame);
    if (name == "contest") return Screen(joincontest);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Screen> game = argc >= 3 ? GameNamed(argv[1]) : std::nullopt;
    const std::string mode = argc == 5 ? argv[3] : "";
    if (!game || (argc != 3 && argc != 5) || (argc == 5 && mode != "--record" && mode != "--replay")) {
        std::cerr << "usage: inn_games_probe darts|balloon|gamble|horse|contest GOLD [--record|--replay FILE]\n";
        return 2;
    }

    std::string reason;
    std::unique_ptr<SessionRecorder> recorder;
    if (mode == "--record" && !(recorder = SessionRecorder::Create(argv[4], VASKARN_VERSION, reason))) {
        std::cerr << "cannot record: " << reason << "\n";
        return 2;
    }
    FdInput typed(STDIN_FILENO);
    InputKeys typedKeys(STDIN_FILENO);
    std::optional<RecordingKeys> recordingKeys;
    std::optional<ReplayInput> replayedInput;
    std::optional<ReplayKeys> replayedKeys;
    KeySource* keys = &typedKeys;
    std::streambuf* input = &typed;
    if (recorder) {
        typed.OnRead([&recorder](std::string_view bytes) { return recorder->Input(bytes); });
        keys = &recordingKeys.emplace(typedKeys, *recorder);
    }
    if (mode == "--replay") {
        input = &replayedInput.emplace(argv[4]);
        keys = &replayedKeys.emplace(argv[4]);
    }

    FdOutput screen(STDOUT_FILENO);
    std::ostream out(&screen);
    std::istream in(input);
    Console console(in, out, keys);
    FixedClock clock(1);
    PortableRandom generator;
    const GameDir dir(".");
    WorldState world;
    ServicesScope scope(Services{&console, &clock, &generator, &dir, &world});

    Player hero;
    hero.SetName("Probe");
    hero.SetGold(std::stoi(argv[2]));
    try {
        RunScreens(&hero, *game);
    } catch (const EndOfGame&) {
    }
    out.flush();
    std::cerr << "gold " << hero.GetGold() << "\n";
    return 0;
}
