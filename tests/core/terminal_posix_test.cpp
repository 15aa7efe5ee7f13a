#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <sstream>

#include "core/end_of_game.h"
#include "core/fd_stream.h"
#include "core/terminal.h"

namespace vaskarn {
namespace {

bool Eventually(const std::function<bool()>& check) {
    for (int i = 0; i < 2000 && !check(); ++i) ::usleep(1000);
    return check();
}

// A console on a pseudo-terminal, as a player's shell would hand it over,
// and the keyboard that types into it.
class TerminalTest : public ::testing::Test {
protected:
    void SetUp() override {
        keyboard_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (keyboard_ < 0) GTEST_SKIP() << "no pseudo-terminal can be opened here";
        ASSERT_TRUE(::grantpt(keyboard_) == 0 && ::unlockpt(keyboard_) == 0);
        terminal_ = ::open(::ptsname(keyboard_), O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal_, 0);
        ASSERT_EQ(::tcgetattr(terminal_, &before_), 0);
        ASSERT_EQ(before_.c_lflag & (ICANON | ECHO | ISIG), static_cast<tcflag_t>(ICANON | ECHO | ISIG));
    }
    void TearDown() override {
        if (terminal_ >= 0) ::close(terminal_);
        if (keyboard_ >= 0) ::close(keyboard_);
    }

    termios Now() const {
        termios now{};
        EXPECT_EQ(::tcgetattr(terminal_, &now), 0);
        return now;
    }
    bool AsBefore() const {
        const termios now = Now();
        return now.c_lflag == before_.c_lflag && now.c_cc[VMIN] == before_.c_cc[VMIN] &&
               now.c_cc[VTIME] == before_.c_cc[VTIME];
    }
    // Keys unechoed and without Enter; Ctrl-C and the other signal keys still work.
    bool Raw() const { return (Now().c_lflag & (ICANON | ECHO | ISIG)) == ISIG; }
    void Type(const char* keys) const {
        ASSERT_EQ(::write(keyboard_, keys, std::strlen(keys)), static_cast<ssize_t>(std::strlen(keys)));
    }

    int keyboard_ = -1, terminal_ = -1;
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

// Ctrl-Z puts the terminal back while the game is stopped, and single keys
// come again when it continues. Ctrl-C (any signal that ends the game)
// ends it without unwinding: the handler puts the terminal back, and the
// signal still ends the game as it would have.
TEST_F(TerminalTest, SignalsPutTheTerminalBack) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);      // a test gone wrong ends instead of hanging
        ::setpgid(0, 0);  // a group a stop applies to
        ::signal(SIGTSTP, SIG_DFL), ::signal(SIGINT, SIG_DFL);
        FdInput typed(terminal_);
        std::istream in(&typed);
        std::ostringstream out;
        InputKeys keys(terminal_);
        Console console(in, out, &keys);
        const Console::SingleKeyMode mode = console.SingleKeys();
        (void)!::write(ready[1], "r", 1);
        console.Getch();
        ::_exit(0);
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    EXPECT_TRUE(Raw());
    ::kill(child, SIGTSTP);
    int status = 0;
    ::waitpid(child, &status, WUNTRACED);
    EXPECT_TRUE(WIFSTOPPED(status)) << status;
    EXPECT_TRUE(AsBefore());
    ::kill(child, SIGCONT);
    EXPECT_TRUE(Eventually([this] { return Raw(); }));
    ::kill(child, SIGINT);
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_TRUE(AsBefore());
    ::close(ready[0]), ::close(ready[1]);
}

}  // namespace
}  // namespace vaskarn
