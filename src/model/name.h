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

    Name() { bytes_.fill('\0'); }
    explicit Name(std::string_view text) : Name() { Assign(text); }

    // Stores `text`, cut to 35 characters (and at any embedded NUL).
    void Assign(std::string_view text);
    // Stores `text` only when it is non-empty and fits; true when stored.
    bool AssignIfFits(std::string_view text);

    std::string_view View() const { return std::string_view(bytes_.data()); }
    const char* CStr() const { return bytes_.data(); }
    bool Empty() const { return bytes_[0] == '\0'; }
    const std::array<char, kCapacity + 1>& Bytes() const { return bytes_; }

    friend bool operator==(const Name& a, const Name& b) { return a.View() == b.View(); }

private:
    std::array<char, kCapacity + 1> bytes_;
};

}  // namespace vaskarn
