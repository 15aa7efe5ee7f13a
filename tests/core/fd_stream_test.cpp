#include "core/fd_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace vaskarn {
namespace {

struct Pipe {
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe() {
        for (const int fd : fds)
            if (fd >= 0) ::close(fd);
    }
    void CloseWriter() {
        ::close(fds[1]);
        fds[1] = -1;
    }
    int fds[2] = {-1, -1};
};

TEST(FdStreamTest, OutputKnowsWhetherItEndsALineAndWhyAWriteFailed) {
    Pipe pipe;
    FdOutput screen(pipe.fds[1]);
    std::ostream out(&screen);
    EXPECT_TRUE(screen.AtLineStart());
    out << "Title\n>" << std::flush;
    EXPECT_FALSE(screen.AtLineStart());
    out << "\n" << std::flush;
    EXPECT_TRUE(screen.AtLineStart());
    EXPECT_EQ(screen.Error(), 0);

    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (full < 0) GTEST_SKIP() << "no /dev/full";
    FdOutput disk(full, true);
    std::ostream onDisk(&disk);
    onDisk << "Game Saved!\n" << std::flush;
    EXPECT_TRUE(onDisk.bad());
    EXPECT_EQ(disk.Error(), ENOSPC);
}

TEST(FdStreamTest, InputIsSeenPieceByPieceAndARefusedPieceEndsIt) {
    Pipe pipe;
    const auto type = [&pipe](const std::string& keys) {
        ASSERT_EQ(::write(pipe.fds[1], keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    };
    FdInput keys(pipe.fds[0]);
    std::vector<std::string> seen;
    keys.OnRead([&seen](std::string_view piece) {
        seen.emplace_back(piece);
        return seen.size() < 2;
    });
    std::istream in(&keys);
    type("1 2\n");
    std::string word;
    in >> word;
    EXPECT_EQ(word, "1");
    EXPECT_EQ(seen, std::vector<std::string>{"1 2\n"});
    type("Bob\n");
    in >> word >> word;  // the second piece is refused: the game never sees it
    EXPECT_EQ(word, "2");
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(seen.size(), 2u);
    pipe.CloseWriter();
}

}  // namespace
}  // namespace vaskarn
