#include "core/fd_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vaskarn {

FdInput::int_type FdInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (stopped_) return traits_type::eof();
    ssize_t got = 0;
    do {
        got = ::read(fd_, buffer_.data(), buffer_.size());
    } while (got < 0 && errno == EINTR);
    // An input that cannot be read any more is the end of the input.
    if (got <= 0) return traits_type::eof();
    const auto size = static_cast<std::size_t>(got);
    if (observer_ && !observer_(std::string_view(buffer_.data(), size))) {
        stopped_ = true;
        return traits_type::eof();
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + size);
    return traits_type::to_int_type(*gptr());
}

FdOutput::~FdOutput() {
    // Whatever is still buffered was never flushed by the game; a failure
    // here has nobody left to tell.
    Drain();
    if (owned_) ::close(fd_);
}

bool FdOutput::Drain() {
    const char* next = pbase();
    const char* const end = pptr();
    if (next == nullptr) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }
    while (next < end && error_ == 0) {
        const ssize_t put = ::write(fd_, next, static_cast<std::size_t>(end - next));
        if (put < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
        } else if (put == 0) {
            error_ = EIO;
        } else {
            atLineStart_ = next[put - 1] == '\n';
            next += put;
        }
    }
    // Once a write failed the rest is dropped: the game ends at its next read.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int FdOutput::sync() { return Drain() ? 0 : -1; }

int CreateOutputFile(const std::filesystem::path& path, int& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    error = fd < 0 ? errno : 0;
    return fd;
}

bool IsTerminal(int fd) { return ::isatty(fd) == 1; }

std::string ErrorText(int error) { return std::strerror(error); }

}  // namespace vaskarn
