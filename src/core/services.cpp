#include "core/services.h"

#include <stdexcept>
#include <string>

namespace vaskarn {
namespace {

Services current;

template <typename T>
T& Installed(T* seam, const char* name) {
    if (seam == nullptr) throw std::logic_error(std::string("no ") + name + " is installed");
    return *seam;
}

}  // namespace

ServicesScope::ServicesScope(const Services& installed) : previous_(current) {
    if (installed.console) current.console = installed.console;
    if (installed.clock) current.clock = installed.clock;
    if (installed.rng) current.rng = installed.rng;
    if (installed.dir) current.dir = installed.dir;
    if (installed.world) current.world = installed.world;
}

ServicesScope::~ServicesScope() { current = previous_; }

Console& io() { return Installed(current.console, "console"); }
Clock& gameClock() { return Installed(current.clock, "clock"); }
RandomSource& rng() { return Installed(current.rng, "random generator"); }
const GameDir& gameDir() { return Installed(current.dir, "game directory"); }
WorldState& world() { return Installed(current.world, "world state"); }

int Draw(int n) {
    // No range to draw from: answer the range's only sensible value rather
    // than divide by zero.
    if (n <= 0) return 0;
    return static_cast<int>(rng().Next() % static_cast<std::uint32_t>(n));
}

}  // namespace vaskarn
