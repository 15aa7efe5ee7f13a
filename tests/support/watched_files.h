#pragma once

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace vaskarn::testing {

// The machine's file system, noting every writing call in order ("create
// Bank.dll~", "write", "rename Bank.dll~ Bank.dll"...: a temporary file shows
// as its target's name and "~") and failing the failNumber-th call of the
// kind failKind with EIO instead of making it.
class WatchedFiles : public FileSystem {
public:
    std::vector<std::string> calls;
    std::string failKind;
    int failNumber = 1;
    std::function<void(const Path&)> beforeCreate;  // run before each create

    FileContent Read(const Path& path, std::size_t limit) override { return real_.Read(path, limit); }
    int CreateNew(const Path& path, int& handle) override {
        if (beforeCreate) beforeCreate(path);
        return Fails("create " + Shown(path)) ? EIO : real_.CreateNew(path, handle);
    }
    int Write(int handle, std::string_view bytes) override { return Fails("write") ? EIO : real_.Write(handle, bytes); }
    int Sync(int handle) override { return Fails("sync") ? EIO : real_.Sync(handle); }
    int Close(int handle) override {
        const int error = real_.Close(handle);  // a failed close still releases the descriptor
        return Fails("close") ? EIO : error;
    }
    int Rename(const Path& from, const Path& to) override {
        return Fails("rename " + Shown(from) + " " + Shown(to)) ? EIO : real_.Rename(from, to);
    }
    int Remove(const Path& path) override { return Fails("remove " + Shown(path)) ? EIO : real_.Remove(path); }
    int SyncDirectory(const Path& dir) override { return Fails("syncdir") ? EIO : real_.SyncDirectory(dir); }

private:
    // A temporary file is named NAME.<16 hex digits>.tmp.
    static std::string Shown(const Path& path) {
        const std::string name = path.filename().string();
        return name.ends_with(".tmp") && name.size() > 21 ? name.substr(0, name.size() - 21) + "~" : name;
    }
    bool Fails(const std::string& call) {
        calls.push_back(call);
        return call.substr(0, call.find(' ')) == failKind && ++seen_ == failNumber;
    }

    FileSystem& real_ = SystemFiles();
    int seen_ = 0;
};

}  // namespace vaskarn::testing
