#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vaskarn {

// The save files' encoding: little-endian 32-bit integers, one-byte flags and
// 36-byte NUL-padded texts, packed with no gaps.
inline constexpr std::size_t kText36Size = 36;

class ByteWriter {
public:
    void Int32(std::int32_t value);
    void Flag(bool value);
    // At most 35 characters, then zeros to fill the 36 bytes.
    void Text36(std::string_view text);

    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads a file that may be truncated or hostile. A read that would pass the
// end yields nothing and exhausts the reader, so every later read yields
// nothing too: the data never shifts to a wrong offset.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    // The reader only views its bytes; a temporary would vanish under it.
    explicit ByteReader(std::string&&) = delete;

    std::optional<std::int32_t> Int32();
    std::optional<bool> Flag();
    // Up to the first NUL, and never more than 35 characters.
    std::optional<std::string> Text36();

private:
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    // The next `n` bytes, or nothing (and exhausted) when fewer remain.
    std::optional<std::string_view> Take(std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool exhausted_ = false;
};

}  // namespace vaskarn
