#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <istream>
#include <sstream>

#include "core/end_of_game.h"
#include "core/fd_stream.h"
#include "core/terminal.h"

namespace vaskarn {
namespace {

bool Eventually(const std::function<bool()>& check) {
    for (int i = 0; i < 2000; ++i) {
        if (check()) return true;
        ::usleep(1000);
    }
    return false;
}

// A console on a pseudo-terminal, as a player's shell would hand it over,
// and the keyboard that types into it.
class TerminalTest : public ::testing::Test {
protected:
    void SetUp() override {
        keyboard_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (keyboard_ < 0) GTEST_SKIP() << "no pseudo-terminal can be opened here";
        ASSERT_EQ(::grantpt(keyboard_), 0);
        ASSERT_EQ(::unlockpt(keyboard_), 0);
        terminal_ = ::open(::ptsname(keyboard_), O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal_, 0);
        ASSERT_EQ(::tcgetattr(terminal_, &before_), 0);
        ASSERT_EQ(before_.c_lflag & (ICANON | ECHO), static_cast<tcflag_t>(ICANON | ECHO));
    }
    void TearDown() override {
        if (terminal_ >= 0) ::close(terminal_);
        if (keyboard_ >= 0) ::close(keyboard_);
    }

    bool AsBefore() const {
        termios now{};
        return ::tcgetattr(terminal_, &now) == 0 && now.c_lflag == before_.c_lflag &&
               now.c_cc[VMIN] == before_.c_cc[VMIN] && now.c_cc[VTIME] == before_.c_cc[VTIME];
    }
    bool Raw() const {
        termios now{};
        return ::tcgetattr(terminal_, &now) == 0 && (now.c_lflag & (ICANON | ECHO)) == 0;
    }
    void Type(const char* keys) const {
        ASSERT_EQ(::write(keyboard_, keys, std::strlen(keys)), static_cast<ssize_t>(std::strlen(keys)));
    }

    // Runs `prepare` and then a game waiting for a key in single-key mode in
    // a child process, ends it with `end`, and tells how the child ended.
    int GameInChild(const std::function<void()>& prepare, const std::function<void(pid_t)>& end) {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(10);  // a test gone wrong ends instead of hanging
            prepare();
            FdInput typed(terminal_);
            std::istream in(&typed);
            std::ostringstream out;
            InputKeys keys(terminal_);
            Console console(in, out, &keys);
            char key = 0;
            try {
                const Console::SingleKeyMode mode = console.SingleKeys();
                (void)!::write(ready[1], "r", 1);
                key = console.Getch();
            } catch (const EndOfGame&) {
            }
            ::_exit(key == 'k' ? 0 : 1);
        }
        char signal = 0;
        (void)!::read(ready[0], &signal, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        end(child);
        int status = 0;
        ::waitpid(child, &status, 0);
        return status;
    }

    int keyboard_ = -1;
    int terminal_ = -1;
    termios before_{};
};

TEST_F(TerminalTest, KeysComeWithoutEnterAndOnlyWhileAGameAsksForThem) {
    FdInput typed(terminal_);
    std::istream in(&typed);
    std::ostringstream out;
    InputKeys keys(terminal_);
    Console console(in, out, &keys);

    Type("k");
    EXPECT_EQ(console.Getch(), 'k');  // no line end was typed
    EXPECT_TRUE(AsBefore());
    {
        const Console::SingleKeyMode mode = console.SingleKeys();
        EXPECT_TRUE(Raw());
        EXPECT_FALSE(console.Kbhit());  // nothing typed: the counter goes on
        Type("z");
        EXPECT_TRUE(Eventually([&] { return console.Kbhit(); }));
        EXPECT_EQ(console.Getch(), 'z');
    }
    EXPECT_TRUE(AsBefore());

    std::istringstream ended("");
    Console endedConsole(ended, out, &keys);
    EXPECT_THROW(endedConsole.Getch(), EndOfGame);  // put back on the way out
    EXPECT_TRUE(AsBefore());
}

// Signals end the game without unwinding: the handler puts the terminal
// back and the signal still ends the game as it would have.
TEST_F(TerminalTest, TheTerminalIsPutBackWhenCtrlCOrSigtermEndsTheGame) {
    const auto ownTerminal = [this] {
        ::setsid();
        ::ioctl(terminal_, TIOCSCTTY, 0);  // so that Ctrl-C reaches the game
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGTERM, SIG_DFL);
    };
    int status = GameInChild(ownTerminal, [this](pid_t) { Type("\x03"); });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_TRUE(AsBefore());
    status = GameInChild(ownTerminal, [](pid_t child) { ::kill(child, SIGTERM); });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(AsBefore());
}

TEST_F(TerminalTest, CtrlZPutsTheTerminalBackUntilTheGameContinues) {
    const auto ownGroup = [] {
        ::setpgid(0, 0);  // a group a stop applies to
        ::signal(SIGTSTP, SIG_DFL);
    };
    const int status = GameInChild(ownGroup, [this](pid_t child) {
        EXPECT_TRUE(Raw());
        ::kill(child, SIGTSTP);
        int stopped = 0;
        ::waitpid(child, &stopped, WUNTRACED);
        EXPECT_TRUE(WIFSTOPPED(stopped)) << stopped;
        EXPECT_TRUE(AsBefore());
        ::kill(child, SIGCONT);
        EXPECT_TRUE(Eventually([this] { return Raw(); }));
        Type("k");
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(AsBefore());
}

// On a pipe a key has arrived when bytes can be read, and so has the end of
// the input, which ends the game instead of letting a counter run on.
TEST(InputKeysTest, OnAPipeKeysAreTheBytesAndTheEndEndsTheGame) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    FdInput typed(ends[0]);
    std::istream in(&typed);
    std::ostringstream out;
    InputKeys keys(ends[0]);
    Console console(in, out, &keys);
    {
        const Console::SingleKeyMode mode = console.SingleKeys();
        EXPECT_FALSE(console.Kbhit());
        ASSERT_EQ(::write(ends[1], "ab", 2), 2);
        EXPECT_TRUE(console.Kbhit());
        EXPECT_EQ(console.Getch(), 'a');
        EXPECT_TRUE(console.Kbhit());  // held by the console already
        EXPECT_EQ(console.Getch(), 'b');
        ::close(ends[1]);
        EXPECT_THROW(console.Kbhit(), EndOfGame);
    }
    ::close(ends[0]);
}

}  // namespace
}  // namespace vaskarn
