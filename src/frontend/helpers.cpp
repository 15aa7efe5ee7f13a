#include "frontend/helpers.h"

#include <string>

#include "core/end_of_game.h"
#include "core/services.h"

namespace vaskarn {

void wait() { io().Wait(); }

void waits() { io().Waits(); }

void random() { rng().Seed(static_cast<std::uint32_t>(gameClock().Now())); }

void exit0() {
    Console& con = io();
    con << std::string(22, '\n') << "                        Thanks for playing Vaskarn\n"
        << "                        We hope you enjoyed it\n"
        << std::string(10, '\n');
    con.Out().flush();
    con.DiscardLine();
    throw EndOfGame{};
}

}  // namespace vaskarn
