#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vaskarn {

// A whole file as read: its bytes, or why there are none. A file that is
// there but cannot be read (a directory, a pipe, a read error) is told
// apart from one that is not there at all.
struct FileContent {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    std::string bytes;
};

// The few calls the game directory makes on the machine's file system. The
// real one (posix_files.cpp) is the only code that talks to the system;
// tests wrap it to see the calls in order or to make any one of them fail.
// Every call but Read answers 0 on success or the system's error number.
class FileSystem {
public:
    using Path = std::filesystem::path;
    virtual ~FileSystem() = default;

    // At most `limit` bytes of a regular file.
    virtual FileContent Read(const Path& path, std::size_t limit) = 0;
    // Creates the file and opens it for writing, only when nothing at all
    // is at `path`: a file, a directory or a link there (even a dangling
    // one) gives EEXIST, and no link is ever followed.
    virtual int CreateNew(const Path& path, int& handle) = 0;
    // Every byte, or an error.
    virtual int Write(int handle, std::string_view bytes) = 0;
    // Returns once the file's bytes are on the disk.
    virtual int Sync(int handle) = 0;
    virtual int Close(int handle) = 0;
    virtual int Rename(const Path& from, const Path& to) = 0;
    virtual int Remove(const Path& path) = 0;
    // Returns once the directory's entries (a rename into it) are on the disk.
    virtual int SyncDirectory(const Path& dir) = 0;
};

// The machine's file system.
FileSystem& SystemFiles();

}  // namespace vaskarn
