#pragma once

#include <cstdint>
#include <limits>

namespace vaskarn {

// Game numbers are 32-bit; sums that would leave that range stop at its edge
// instead of overflowing (a hoard of gold never wraps to a debt).
constexpr int ClampToInt(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

constexpr int SatAdd(int a, int b) { return ClampToInt(std::int64_t{a} + b); }
constexpr int SatSub(int a, int b) { return ClampToInt(std::int64_t{a} - b); }
constexpr int SatMul(int a, int b) { return ClampToInt(std::int64_t{a} * b); }

}  // namespace vaskarn
