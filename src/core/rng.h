#pragma once

#include <cstdint>

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
    void Seed(std::uint32_t seed) override { state_ = seed; }
    std::uint32_t Next() override {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ / 65536u) % 32768u;
    }

private:
    std::uint32_t state_ = 1;
};

}  // namespace vaskarn
