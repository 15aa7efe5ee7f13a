#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vaskarn {

// The directory that holds Player.dll, Bank.dll and the history file. Every
// file the game touches goes through here.
class GameDir {
public:
    explicit GameDir(std::filesystem::path root) : root_(std::move(root)) {}

    // The whole file, or nothing when it cannot be opened.
    std::optional<std::string> Read(std::string_view name) const;

    // Replaces the file whole, or leaves the old one untouched: the bytes go
    // to a temporary file in the same directory that is then renamed over
    // the target. False when any step failed.
    bool WriteAtomically(std::string_view name, std::string_view bytes) const;

    std::filesystem::path PathOf(std::string_view name) const { return root_ / name; }
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};

}  // namespace vaskarn
