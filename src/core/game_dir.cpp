#include "core/game_dir.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace vaskarn {

std::optional<std::string> GameDir::Read(std::string_view name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return std::nullopt;
    return bytes;
}

bool GameDir::WriteAtomically(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path target = PathOf(name);
    std::filesystem::path temp = target;
    temp += ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            file.close();
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temp, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return true;
}

}  // namespace vaskarn
