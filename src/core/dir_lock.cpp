#include "core/dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/fd_stream.h"

namespace vaskarn {

DirLock::~DirLock() {
    if (fd_ >= 0) ::close(fd_);
}

DirLock::Outcome DirLock::Take(const std::filesystem::path& dir, std::string& reason) {
    const std::filesystem::path path = dir / kLockFile;
    const auto fail = [&reason](int fd, const std::string& why) {
        if (fd >= 0) ::close(fd);
        reason = std::string(kLockFile) + ": " + why;
        return Outcome::Failed;
    };
    // Never through a planted link, and never blocking on something that is
    // not a plain file.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return fail(fd, ErrorText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0) return fail(fd, ErrorText(errno));
    if (!S_ISREG(info.st_mode)) return fail(fd, "not a plain file");
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        if (errno == EWOULDBLOCK) {
            ::close(fd);
            return Outcome::InUse;
        }
        return fail(fd, ErrorText(errno));
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    return Outcome::Locked;
}

}  // namespace vaskarn
