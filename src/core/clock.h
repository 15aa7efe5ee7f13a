#pragma once

#include <cstdint>

namespace vaskarn {

// The two clocks the game reads: calendar seconds (the seed of every
// re-seeding of the generator) and processor time (the play clock).
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t Now() = 0;
    virtual std::int64_t ProcessMillis() = 0;
};

class SystemClock : public Clock {
public:
    std::int64_t Now() override;
    std::int64_t ProcessMillis() override;
};

// A clock whose calendar time never moves, so a session replays exactly.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::int64_t seconds, std::int64_t millis = 0)
        : seconds_(seconds), millis_(millis) {}
    std::int64_t Now() override { return seconds_; }
    std::int64_t ProcessMillis() override { return millis_; }
    void SetNow(std::int64_t seconds) { seconds_ = seconds; }
    void SetProcessMillis(std::int64_t millis) { millis_ = millis; }

private:
    std::int64_t seconds_;
    std::int64_t millis_;
};

}  // namespace vaskarn
