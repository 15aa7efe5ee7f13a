#pragma once

#include <cstdint>
#include <deque>

namespace vaskarn {

// The game's pseudo-random source: seeded with calendar seconds, drawn as raw
// values that callers reduce modulo n.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed(std::uint32_t seed) = 0;
    virtual std::uint32_t Next() = 0;
};

// The linear congruential generator given as the example rand() in the C
// standard: fully defined arithmetic, so every platform draws the same
// sequence from the same seed. Raw values run from 0 to 32767.
class PortableRandom : public RandomSource {
public:
    static constexpr std::uint32_t kMax = 32767;
    void Seed(std::uint32_t seed) override { state_ = seed; }
    std::uint32_t Next() override {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ / 65536u) % 32768u;
    }

private:
    std::uint32_t state_ = 1;
};

// For tests: hands out the queued raw values in order, then zeros; seeding
// does not disturb the queue, so a test can script draws across re-seeds.
class ScriptedRandom : public RandomSource {
public:
    void Seed(std::uint32_t seed) override {
        ++seeds;
        lastSeed = seed;
    }
    std::uint32_t Next() override {
        ++draws;
        if (queue.empty()) return 0;
        const std::uint32_t value = queue.front();
        queue.pop_front();
        return value;
    }
    void Push(std::initializer_list<std::uint32_t> values) {
        queue.insert(queue.end(), values.begin(), values.end());
    }

    std::deque<std::uint32_t> queue;
    int seeds = 0;
    int draws = 0;
    std::uint32_t lastSeed = 0;
};

}  // namespace vaskarn
