#include "support/test_world.h"

#include <stdlib.h>

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

}  // namespace vaskarn::testing
