#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace quenna::datakit::testing {

// A temporary folder removed with the object.
struct TempFolder {
  TempFolder() {
    path = std::filesystem::temp_directory_path() /
           ("quenna2-datakit-" + std::to_string(std::random_device()()) + "-" +
            std::to_string(std::random_device()()));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::filesystem::path path;
};

inline const std::filesystem::path kContent = QUENNA2_CONTENT_DIR;
// The data folder the build makes beside the game from kContent.
inline const std::filesystem::path kBuiltData = QUENNA2_BUILT_DATA_DIR;

}  // namespace quenna::datakit::testing
