#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vaskarn {

// A NUL-terminated name of at most 35 characters in a 36-byte field, as the
// save file stores it. Nothing can write past the field.
class Name {
public:
    static constexpr std::size_t kCapacity = 35;

    // Stores `text`, cut to 35 characters (and at any embedded NUL).
    void Assign(std::string_view text);
    // Stores `text` only when it is non-empty and fits; true when stored.
    bool AssignIfFits(std::string_view text);

    std::string_view View() const { return std::string_view(bytes_.data()); }

private:
    std::array<char, kCapacity + 1> bytes_{};
};

}  // namespace vaskarn
