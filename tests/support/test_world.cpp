#include "support/test_world.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace vaskarn::testing {
namespace {

std::filesystem::path MakeTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vaskarn-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return std::filesystem::path(buffer.data());
}

}  // namespace

TestWorld::TestWorld(std::string input, Generator generator)
    : dirPath_(MakeTempDir()), in_(std::move(input)), console_(in_, out_), dir_(dirPath_) {
    RandomSource* source = generator == Generator::Scripted ? static_cast<RandomSource*>(&scripted)
                                                            : static_cast<RandomSource*>(&portable);
    scope_.emplace(Services{&console_, &clock, source, &dir_, &state});
}

TestWorld::~TestWorld() {
    scope_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(dirPath_, ignored);
}

std::string TestWorld::TakeOutput() {
    std::string text = out_.str();
    out_.str("");
    return text;
}

void TestWorld::SetInput(const std::string& input) {
    in_.clear();
    in_.str(input);
}

bool TestWorld::EndsGame(const std::function<void()>& action) {
    try {
        action();
    } catch (const EndOfGame&) {
        return true;
    }
    return false;
}

std::optional<std::string> TestWorld::ReadFile(const std::string& name) const { return dir_.Read(name); }

void TestWorld::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream file(dirPath_ / name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vaskarn::testing
