#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include "core/terminal.h"

namespace vaskarn {
namespace {

// The signals whose default ends the game without unwinding, and Ctrl-Z's
// stop, last.
constexpr std::array<int, 7> kHandled{SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGABRT, SIGTSTP};

// What the handlers need. Written only while the handled signals are
// blocked and no handler of ours is installed.
int rawFd = -1;
termios before{};
termios raw{};
std::array<struct sigaction, kHandled.size()> previous{};
std::array<bool, kHandled.size()> caught{};
bool engaged = false;

std::size_t IndexOf(int signal) {
    std::size_t i = 0;
    while (i + 1 < kHandled.size() && kHandled[i] != signal) ++i;
    return i;
}

sigset_t HandledSet() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kHandled) sigaddset(&set, signal);
    return set;
}

void Apply(const termios& settings) {
    while (::tcsetattr(rawFd, TCSANOW, &settings) != 0 && errno == EINTR) {
    }
}

extern "C" void OnEnding(int signal);
extern "C" void OnStop(int signal);

// Our handler for the signal; the others wait while it runs.
void Catch(int signal) {
    struct sigaction mine {};
    mine.sa_handler = signal == SIGTSTP ? OnStop : OnEnding;
    mine.sa_mask = HandledSet();
    // A read or write stopped by Ctrl-Z goes on when the game continues.
    mine.sa_flags = SA_RESTART;
    ::sigaction(signal, &mine, nullptr);
}

extern "C" void OnEnding(int signal) {
    const int error = errno;
    Apply(before);
    // Raised again with what it did before; it arrives once this returns.
    ::sigaction(signal, &previous[IndexOf(signal)], nullptr);
    ::raise(signal);
    errno = error;
}

extern "C" void OnStop(int signal) {
    const int error = errno;
    Apply(before);
    ::sigaction(signal, &previous[IndexOf(signal)], nullptr);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &stop, nullptr);
    ::raise(signal);  // stopped here until continued
    ::pthread_sigmask(SIG_BLOCK, &stop, nullptr);
    Catch(signal);
    Apply(raw);
    errno = error;
}

}  // namespace

RawMode::RawMode(int fd) {
    if (engaged || ::isatty(fd) != 1) return;
    const sigset_t handled = HandledSet();
    sigset_t outside;
    ::pthread_sigmask(SIG_BLOCK, &handled, &outside);
    if (::tcgetattr(fd, &before) == 0) {
        rawFd = fd;
        raw = before;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        for (std::size_t i = 0; i < kHandled.size(); ++i) {
            ::sigaction(kHandled[i], nullptr, &previous[i]);
            // A signal the game was started to ignore stays ignored.
            caught[i] = previous[i].sa_handler != SIG_IGN;
            if (caught[i]) Catch(kHandled[i]);
        }
        Apply(raw);
        engaged = on_ = true;
    }
    ::pthread_sigmask(SIG_SETMASK, &outside, nullptr);
}

RawMode::~RawMode() {
    if (!on_) return;
    const sigset_t handled = HandledSet();
    sigset_t outside;
    ::pthread_sigmask(SIG_BLOCK, &handled, &outside);
    Apply(before);
    for (std::size_t i = 0; i < kHandled.size(); ++i)
        if (caught[i]) ::sigaction(kHandled[i], &previous[i], nullptr);
    engaged = false;
    // A signal that came meanwhile arrives now, as it would have anyway.
    ::pthread_sigmask(SIG_SETMASK, &outside, nullptr);
}

bool InputKeys::Arrived(std::streambuf& held) {
    if (held.in_avail() > 0) return true;
    pollfd watch{fd_, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&watch, 1, 0);
    } while (ready < 0 && errno == EINTR);
    // Ready, ended, broken or not watchable at all: the read that follows
    // gives the key or the end of the input, so nothing waits for ever.
    return ready != 0;
}

void InputKeys::SingleKeys(bool on) {
    if (on) {
        raw_.emplace(fd_);
    } else {
        raw_.reset();
    }
}

}  // namespace vaskarn
