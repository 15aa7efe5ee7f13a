#include "core/game_dir.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <exception>
#include <random>
#include <vector>

namespace vaskarn {
namespace {

// A number no other save is likely to pick, even another game's in the same
// directory. Uniqueness only saves retries: the exclusive create is what
// keeps two saves apart.
std::uint64_t FreshNumber() {
    static std::uint64_t counter = 0;
    ++counter;
    try {
        static std::random_device device;
        return (std::uint64_t{device()} << 32) ^ device() ^ counter;
    } catch (const std::exception&) {
        const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        return now * 0x9E3779B97F4A7C15u ^ counter;
    }
}

std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (auto it = text.rbegin(); it != text.rend(); ++it, value >>= 4) *it = kDigits[value & 0xF];
    return text;
}

// Tries a handful of fresh names before giving up.
constexpr int kNameAttempts = 16;

struct Prepared {
    std::filesystem::path temp;
    std::filesystem::path target;
};

}  // namespace

std::optional<std::string> GameDir::Read(std::string_view name) const {
    FileContent content = ReadFile(name);
    if (content.state != FileContent::State::Read) return std::nullopt;
    return std::move(content.bytes);
}

FileContent GameDir::ReadFile(std::string_view name) const { return files_->Read(PathOf(name), kReadLimit); }

bool GameDir::WriteAtomically(std::string_view name, std::string_view bytes) const {
    return WriteAllAtomically({FileWrite{name, bytes}});
}

bool GameDir::WriteAllAtomically(std::span<const FileWrite> files) const {
    std::vector<Prepared> prepared;
    prepared.reserve(files.size());
    const auto discardFrom = [&](std::size_t first) {
        for (std::size_t i = first; i < prepared.size(); ++i) files_->Remove(prepared[i].temp);
        return false;
    };

    for (const FileWrite& file : files) {
        const std::filesystem::path target = PathOf(file.name);
        std::filesystem::path temp;
        int handle = -1;
        int error = EEXIST;
        for (int attempt = 0; attempt < kNameAttempts && error == EEXIST; ++attempt) {
            std::string suffix = Hex(FreshNumber());
            suffix.insert(0, 1, '.');
            suffix.append(".tmp");
            temp = target;
            temp += suffix;
            error = files_->CreateNew(temp, handle);
        }
        if (error != 0) return discardFrom(0);
        prepared.push_back({temp, target});
        const bool written = files_->Write(handle, file.bytes) == 0 && files_->Sync(handle) == 0;
        const bool closed = files_->Close(handle) == 0;
        if (!written || !closed) return discardFrom(0);
    }

    for (std::size_t i = 0; i < prepared.size(); ++i)
        if (files_->Rename(prepared[i].temp, prepared[i].target) != 0) return discardFrom(i);
    // Until the directory is synced the renames may not survive a crash.
    return files_->SyncDirectory(root_.empty() ? std::filesystem::path(".") : root_) == 0;
}

}  // namespace vaskarn
