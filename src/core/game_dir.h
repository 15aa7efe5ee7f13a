#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/file_system.h"

namespace vaskarn {

// One file to replace, and its new bytes.
struct FileWrite {
    std::string_view name;
    std::string_view bytes;
};

// The directory that holds Player.dll, Bank.dll and the history file. Every
// file the game touches goes through here.
class GameDir {
public:
    // No game file comes near this; a bigger one is read only this far.
    static constexpr std::size_t kReadLimit = std::size_t{1} << 20;

    explicit GameDir(std::filesystem::path root, FileSystem& files = SystemFiles())
        : root_(std::move(root)), files_(&files) {}

    // The whole file, or nothing when it is missing or cannot be read.
    std::optional<std::string> Read(std::string_view name) const;
    // The same, telling a missing file from one that cannot be read.
    FileContent ReadFile(std::string_view name) const;

    // Replaces the file whole and durably, or reports failure. See
    // WriteAllAtomically.
    bool WriteAtomically(std::string_view name, std::string_view bytes) const;

    // Replaces several files, each whole and durably, or reports failure.
    // Each file's bytes first go to a new temporary file beside it (a fresh
    // name, created exclusively, so no link, directory or other game's
    // temporary file there can be written through), which is synced to the
    // disk. Only when every one is ready are they renamed over their targets,
    // in the order given, and the directory is synced. A failure before the
    // renames leaves every target as it was; a rename that fails leaves the
    // earlier targets replaced and the later ones untouched, so the file that
    // must not change on a failed save goes last. False when any step failed.
    bool WriteAllAtomically(std::span<const FileWrite> files) const;
    bool WriteAllAtomically(std::initializer_list<FileWrite> files) const {
        return WriteAllAtomically(std::span<const FileWrite>(files.begin(), files.size()));
    }

    std::filesystem::path PathOf(std::string_view name) const { return root_ / name; }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
    FileSystem* files_;
};

}  // namespace vaskarn
