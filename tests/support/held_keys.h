#pragma once

#include <deque>
#include <streambuf>

#include "core/console.h"

namespace vaskarn::testing {

// Keys held back for a scripted number of looks each, as a player who waits
// before pressing; unscripted keys are there at the first look, as on a
// pipe. Counts the switches of single-key mode.
class HeldKeys : public KeySource {
public:
    bool Arrived(std::streambuf&) override {
        if (idles.empty()) return true;
        if (idles.front()-- > 0) return false;
        idles.pop_front();
        return true;
    }
    void SingleKeys(bool on) override { ++(on ? ons : offs); }

    std::deque<int> idles;
    int ons = 0, offs = 0;
};

}  // namespace vaskarn::testing
