#include <gtest/gtest.h>

#include <string>

#include "persistence/binary_codec.h"

namespace vaskarn {
namespace {

TEST(BinaryCodecTest, TextsKeepATerminatorAndFlagsReadAnyNonZeroByte) {
    ByteWriter out;
    out.Text36(std::string(50, 'n')), out.Text36(std::string("ab\0cd", 5)), out.Int32(-2);
    EXPECT_EQ(out.Bytes().substr(35), std::string(1, '\0') + "ab" + std::string(34, '\0') + "\xfe\xff\xff\xff");

    const std::string bytes = std::string(36, 'z') + "\x07\x01\x02";
    ByteReader in(bytes);
    EXPECT_EQ(in.Text36(), std::string(35, 'z'));  // unterminated: cut
    EXPECT_EQ(in.Flag(), true);
    EXPECT_EQ(in.Int32(), std::nullopt);
    EXPECT_EQ(in.Flag(), std::nullopt);  // what is left after a short read is not read
}

}  // namespace
}  // namespace vaskarn
