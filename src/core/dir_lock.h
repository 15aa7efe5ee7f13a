#pragma once

#include <filesystem>
#include <string>

namespace vaskarn {

// Keeps one game at a time in a game directory. The lock is the system's
// exclusive lock (flock) on the file kLockFile in that directory: it belongs
// to the open file, so the system drops it whenever the game ends, however
// it ends, and a crashed or killed game never leaves the directory locked.
// The file itself stays behind, empty, for the next game to lock.
class DirLock {
public:
    static constexpr const char* kLockFile = "Vaskarn.lock";

    enum class Outcome { Locked, InUse, Failed };

    DirLock() = default;
    ~DirLock();
    DirLock(const DirLock&) = delete;
    DirLock& operator=(const DirLock&) = delete;

    // Takes the lock of `dir` without waiting. On Failed, `reason` says why
    // the directory cannot be used.
    Outcome Take(const std::filesystem::path& dir, std::string& reason);

private:
    int fd_ = -1;
};

}  // namespace vaskarn
