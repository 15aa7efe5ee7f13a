#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>

#include "core/rng.h"

namespace vaskarn::testing {

// Hands out the queued raw values in order, then zeros. Seeding leaves the
// queue alone, so a test can script draws across re-seeds.
class ScriptedRandom : public RandomSource {
public:
    void Seed(std::uint32_t seed) override {
        ++seeds;
        lastSeed = seed;
        drawsBeforeSeed = draws;
    }
    std::uint32_t Next() override {
        ++draws;
        if (queue.empty()) return 0;
        const std::uint32_t value = queue.front();
        queue.pop_front();
        return value;
    }
    void Push(std::initializer_list<std::uint32_t> values) { queue.insert(queue.end(), values); }

    std::deque<std::uint32_t> queue;
    int seeds = 0, draws = 0;
    int drawsBeforeSeed = 0;  // draws taken before the last seeding
    std::uint32_t lastSeed = 0;
};

}  // namespace vaskarn::testing
