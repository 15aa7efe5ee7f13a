#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/screen.h"
#include "model/player.h"
#include "support/test_world.h"

namespace vaskarn::testing {

inline const std::string kPause = "\nPress the Enter key to continue\n\n";

// Plays `start` for `hero` in `world` until the input runs out (a place
// never hands control back on its own) and returns all that was written.
inline std::string Visit(TestWorld& world, Player& hero, Screen start) {
    ScreenLoop loop(&hero);
    EXPECT_TRUE(world.EndsGame([&] { loop.Run(start); })) << "the input outlived the visit";
    return world.Output();
}

// The same in a world of its own, with `draws` first in the generator.
inline std::string Visit(Player& hero, Screen start, const std::string& input,
                         std::initializer_list<std::uint32_t> draws = {}) {
    TestWorld world(input);
    world.scripted.Push(draws);
    return Visit(world, hero, start);
}

inline bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// `count` inventory items named `name`, worth nothing.
inline void Give(Player& hero, std::string_view name, int count = 1) {
    Inventory item;
    item.CreateItem(name, 0);
    for (int i = 0; i < count; ++i) hero.AddItem(&item);
}

}  // namespace vaskarn::testing
