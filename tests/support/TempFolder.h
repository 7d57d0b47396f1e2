#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace quenna::testing {

// A folder of its own under the system's temporary folder, for the files one test writes;
// removed with everything in it when the test is done.
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix = "quenna2-test") {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            (prefix + "-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace quenna::testing
