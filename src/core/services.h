#pragma once

#include "core/clock.h"
#include "core/console.h"
#include "core/game_dir.h"
#include "core/rng.h"
#include "core/world_state.h"

namespace vaskarn {

// The seams between the game and the machine, and the one home of the state
// that outlives a screen. main() installs the real ones; a test installs
// string streams, a fixed clock, a scripted generator, a temporary directory
// and a fresh world, and drives any screen through them. Nothing is
// installed by default: reaching a seam that nobody installed is a fault of
// the caller and throws, so a forgetful test cannot touch the real terminal
// or the working directory.
struct Services {
    Console* console = nullptr;
    Clock* clock = nullptr;
    RandomSource* rng = nullptr;
    const GameDir* dir = nullptr;
    WorldState* world = nullptr;
};

// Installs a set of services for its lifetime, then restores the previous
// set. Seams left null keep what was installed before.
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
WorldState& world();

// One draw reduced modulo n: a value from 0 to n - 1; 0 without a draw when n < 1.
int Draw(int n);

}  // namespace vaskarn
