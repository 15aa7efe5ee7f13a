#include "core/clock.h"

#include <ctime>

namespace vaskarn {

std::int64_t SystemClock::Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::int64_t SystemClock::ProcessMillis() {
    const std::clock_t ticks = std::clock();
    if (ticks == static_cast<std::clock_t>(-1)) return 0;
    return static_cast<std::int64_t>(ticks) * 1000 / CLOCKS_PER_SEC;
}

}  // namespace vaskarn
