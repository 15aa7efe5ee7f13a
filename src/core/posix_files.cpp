// The game's only calls into the operating system's file interface.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "core/file_system.h"

namespace vaskarn {
namespace {

// Retries a call that a signal interrupted.
template <typename Call>
auto Retrying(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

int ErrorOf(int result) { return result == 0 ? 0 : errno; }

class PosixFiles final : public FileSystem {
public:
    FileContent Read(const Path& path, std::size_t limit) override {
        // Non-blocking, so a pipe planted under a game file cannot hang the
        // game at its open; it is then refused as not a regular file.
        const int fd = Retrying([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK); });
        if (fd == -1) return {errno == ENOENT ? FileContent::State::Missing : FileContent::State::Unreadable, {}};
        FileContent content = ReadOpen(fd, limit);
        ::close(fd);
        return content;
    }

    int CreateNew(const Path& path, int& handle) override {
        handle = Retrying([&] {
            return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        });
        return handle == -1 ? errno : 0;
    }

    int Write(int handle, std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = Retrying([&] { return ::write(handle, bytes.data(), bytes.size()); });
            if (written == -1) return errno;
            if (written == 0) return EIO;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return 0;
    }

    int Sync(int handle) override { return ErrorOf(Retrying([&] { return ::fsync(handle); })); }

    // Not retried: the descriptor is gone whatever close answers.
    int Close(int handle) override { return ErrorOf(::close(handle)); }

    int Rename(const Path& from, const Path& to) override { return ErrorOf(::rename(from.c_str(), to.c_str())); }

    int Remove(const Path& path) override { return ErrorOf(::unlink(path.c_str())); }

    int SyncDirectory(const Path& dir) override {
        const int fd = Retrying([&] { return ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
        if (fd == -1) return errno;
        int error = ErrorOf(Retrying([&] { return ::fsync(fd); }));
        // A file system that cannot sync a directory says so with EINVAL;
        // there is nothing further to wait for on it.
        if (error == EINVAL) error = 0;
        const int closed = ErrorOf(::close(fd));
        return error != 0 ? error : closed;
    }

private:
    static FileContent ReadOpen(int fd, std::size_t limit) {
        struct stat info {};
        if (::fstat(fd, &info) == -1 || !S_ISREG(info.st_mode)) return {FileContent::State::Unreadable, {}};
        FileContent content{FileContent::State::Read, {}};
        content.bytes.resize(std::min(limit, static_cast<std::size_t>(std::max<off_t>(info.st_size, 0))));
        std::size_t filled = 0;
        // The size may change under us: read until the end or the limit.
        for (;;) {
            if (filled == content.bytes.size()) {
                if (filled >= limit) break;
                content.bytes.resize(std::min(limit, filled + 4096));
            }
            const ssize_t got =
                Retrying([&] { return ::read(fd, content.bytes.data() + filled, content.bytes.size() - filled); });
            if (got == -1) return {FileContent::State::Unreadable, {}};
            if (got == 0) break;
            filled += static_cast<std::size_t>(got);
        }
        content.bytes.resize(filled);
        return content;
    }
};

}  // namespace

FileSystem& SystemFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace vaskarn
