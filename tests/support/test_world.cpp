#include "support/test_world.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace vaskarn::testing {
namespace {

std::filesystem::path MakeTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vaskarn-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

}  // namespace

TestWorld::TestWorld(std::string input)
    : dirPath_(MakeTempDir()),
      in_(std::move(input)),
      console_(in_, out_),
      dir_(dirPath_),
      scope_(Services{&console_, &clock, &scripted, &dir_, &state}) {}

TestWorld::~TestWorld() {
    std::error_code ignored;
    std::filesystem::remove_all(dirPath_, ignored);
}

std::string TestWorld::TakeOutput() {
    std::string text = out_.str();
    out_.str("");
    return text;
}

bool TestWorld::EndsGame(const std::function<void()>& action) {
    try {
        action();
    } catch (const EndOfGame&) {
        return true;
    }
    return false;
}

void TestWorld::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(dirPath_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace vaskarn::testing
