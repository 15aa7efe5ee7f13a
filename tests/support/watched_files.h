#pragma once

#include <cerrno>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace vaskarn::testing {

// The machine's file system, with every writing call noted in order and one
// chosen call failing instead of running. A temporary file is noted as its
// target's name followed by "~", since its real name is fresh each time.
class WatchedFiles : public FileSystem {
public:
    std::vector<std::string> calls;
    // The call to fail: its kind ("create", "write", "sync", "close",
    // "rename", "syncdir") and which one of that kind, counting from 1.
    std::string failKind;
    int failNumber = 1;
    int failError = EIO;
    // Run just before each create, with the path about to be created.
    std::function<void(const Path&)> beforeCreate;

    FileContent Read(const Path& path, std::size_t limit) override { return real_.Read(path, limit); }
    int CreateNew(const Path& path, int& handle) override {
        if (beforeCreate) beforeCreate(path);
        if (Fails("create", path)) return failError;
        return real_.CreateNew(path, handle);
    }
    int Write(int handle, std::string_view bytes) override {
        return Fails("write", {}) ? failError : real_.Write(handle, bytes);
    }
    int Sync(int handle) override { return Fails("sync", {}) ? failError : real_.Sync(handle); }
    int Close(int handle) override {
        // A failed close still releases the descriptor.
        const int error = real_.Close(handle);
        return Fails("close", {}) ? failError : error;
    }
    int Rename(const Path& from, const Path& to) override {
        return Fails("rename", from, to) ? failError : real_.Rename(from, to);
    }
    int Remove(const Path& path) override {
        calls.push_back("remove " + Shown(path));
        return real_.Remove(path);
    }
    int SyncDirectory(const Path& dir) override { return Fails("syncdir", {}) ? failError : real_.SyncDirectory(dir); }

    static std::string Shown(const Path& path) {
        static const std::regex temp(R"((.*)\.[0-9a-f]{16}\.tmp)");
        const std::string name = path.filename().string();
        std::smatch match;
        return std::regex_match(name, match, temp) ? match[1].str() + "~" : name;
    }

private:
    bool Fails(const std::string& kind, const Path& path, const Path& other = {}) {
        std::string call = kind;
        if (!path.empty()) call += " " + Shown(path);
        if (!other.empty()) call += " " + Shown(other);
        calls.push_back(call);
        return kind == failKind && ++seen_ == failNumber;
    }

    FileSystem& real_ = SystemFiles();
    int seen_ = 0;
};

}  // namespace vaskarn::testing
