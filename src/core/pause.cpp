#include "core/pause.h"

#include "core/services.h"

namespace vaskarn {

void wait() { io().Wait(); }

void waits() { io().Waits(); }

char getch() { return io().Getch(); }

bool kbhit() { return io().Kbhit(); }

void random() { rng().Seed(static_cast<std::uint32_t>(gameClock().Now())); }

}  // namespace vaskarn
