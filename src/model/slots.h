#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

#include "core/services.h"

namespace vaskarn {

// A collection of owned entries; an empty slot holds nullptr. The player sees
// slot number + 1.
template <typename T, std::size_t N>
using Slots = std::array<std::unique_ptr<T>, N>;

// The entry the player numbers n (counting from 1), or nullptr when n names
// no slot or an empty one.
template <typename T, std::size_t N>
T* SlotAt(Slots<T, N>& slots, int n) {
    if (n < 1 || static_cast<std::size_t>(n) > N) return nullptr;
    return slots[static_cast<std::size_t>(n - 1)].get();
}

// The lowest empty slot, where a new entry goes; nullptr when all are held.
template <typename T, std::size_t N>
std::unique_ptr<T>* LowestFree(Slots<T, N>& slots) {
    const auto found = std::find(slots.begin(), slots.end(), nullptr);
    return found == slots.end() ? nullptr : &*found;
}

// The first held entry whose name is exactly `name`, or nullptr.
template <typename T, std::size_t N>
T* FindByName(const Slots<T, N>& slots, std::string_view name) {
    for (const auto& entry : slots)
        if (entry && entry->GetName() == name) return entry.get();
    return nullptr;
}

template <typename T, std::size_t N>
bool Holds(const Slots<T, N>& slots, std::string_view name) {
    return FindByName(slots, name) != nullptr;
}

// Releases the first held entry named `name`; false when there was none.
template <typename T, std::size_t N>
bool RemoveByName(Slots<T, N>& slots, std::string_view name) {
    for (auto& entry : slots) {
        if (entry && entry->GetName() == name) {
            entry.reset();
            return true;
        }
    }
    return false;
}

// Writes a line for each held entry, numbered by slot as the player counts:
// the number, ". ", the name, then whatever `describe` writes of it.
template <typename T, std::size_t N, typename Describe>
void ListHeld(const Slots<T, N>& slots, Describe describe) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!slots[i]) continue;
        io() << i + 1 << ". " << slots[i]->GetName();
        describe(*slots[i]);
        io() << "\n";
    }
}

template <typename T, std::size_t N>
std::size_t CountHeld(const Slots<T, N>& slots) {
    return static_cast<std::size_t>(std::count_if(slots.begin(), slots.end(), [](const auto& s) { return s != nullptr; }));
}

template <typename T, std::size_t N>
void Clear(Slots<T, N>& slots) {
    for (auto& slot : slots) slot.reset();
}

}  // namespace vaskarn
