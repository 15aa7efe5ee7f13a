#include "persistence/binary_codec.h"

#include <algorithm>

namespace vaskarn {

void ByteWriter::Int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>((bits >> shift) & 0xFFu));
}

void ByteWriter::Flag(bool value) { bytes_.push_back(value ? '\1' : '\0'); }

void ByteWriter::Text36(std::string_view text) {
    text = text.substr(0, std::min(text.find('\0'), kText36Size - 1));
    bytes_.append(text);
    bytes_.append(kText36Size - text.size(), '\0');
}

std::optional<std::string_view> ByteReader::Take(std::size_t n) {
    if (exhausted_ || Remaining() < n) {
        exhausted_ = true;
        return std::nullopt;
    }
    const std::string_view taken = bytes_.substr(pos_, n);
    pos_ += n;
    return taken;
}

std::optional<std::int32_t> ByteReader::Int32() {
    const auto raw = Take(4);
    if (!raw) return std::nullopt;
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>((*raw)[i])) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

std::optional<bool> ByteReader::Flag() {
    const auto raw = Take(1);
    if (!raw) return std::nullopt;
    return (*raw)[0] != '\0';
}

std::optional<std::string> ByteReader::Text36() {
    const auto raw = Take(kText36Size);
    if (!raw) return std::nullopt;
    const std::string_view text = raw->substr(0, std::min(raw->find('\0'), kText36Size - 1));
    return std::string(text);
}

}  // namespace vaskarn
