#include "core/services.h"

#include <iostream>

namespace vaskarn {
namespace {

Services& Current() {
    static Console console(std::cin, std::cout);
    static SystemClock clock;
    static PortableRandom random;
    static const GameDir dir(".");
    static Services current{&console, &clock, &random, &dir};
    return current;
}

}  // namespace

ServicesScope::ServicesScope(const Services& installed) : previous_(Current()) {
    Services& current = Current();
    if (installed.console) current.console = installed.console;
    if (installed.clock) current.clock = installed.clock;
    if (installed.rng) current.rng = installed.rng;
    if (installed.dir) current.dir = installed.dir;
}

ServicesScope::~ServicesScope() { Current() = previous_; }

Console& io() { return *Current().console; }
Clock& gameClock() { return *Current().clock; }
RandomSource& rng() { return *Current().rng; }
const GameDir& gameDir() { return *Current().dir; }

int Draw(int n) {
    // No range to draw from: answer the range's only sensible value rather
    // than divide by zero.
    if (n <= 0) return 0;
    return static_cast<int>(rng().Next() % static_cast<std::uint32_t>(n));
}

}  // namespace vaskarn
