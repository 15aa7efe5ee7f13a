#pragma once

#include <cstdint>

#include "core/clock.h"
#include "core/game_dir.h"
#include "core/rng.h"
#include "frontend/console.h"

namespace vaskarn {

// The four seams between the game and the machine. main() installs the real
// ones; a test installs string streams, a fixed clock, a scripted generator
// and a temporary directory, and drives any screen through them.
struct Services {
    Console* console = nullptr;
    Clock* clock = nullptr;
    RandomSource* rng = nullptr;
    const GameDir* dir = nullptr;
};

// Installs a set of services for its lifetime, then restores the previous set.
class ServicesScope {
public:
    explicit ServicesScope(const Services& installed);
    ~ServicesScope();
    ServicesScope(const ServicesScope&) = delete;
    ServicesScope& operator=(const ServicesScope&) = delete;

private:
    Services previous_;
};

Console& io();
Clock& gameClock();
RandomSource& rng();
const GameDir& gameDir();

// One draw reduced modulo n: a value from 0 to n - 1; 0 without a draw when n < 1.
int Draw(int n);

}  // namespace vaskarn
