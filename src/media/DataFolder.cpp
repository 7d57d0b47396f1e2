#include "media/DataFolder.h"

#include <string>
#include <vector>

namespace quenna {

DataFolder::DataFolder(std::filesystem::path root) : root_(std::move(root)) {}

std::filesystem::path DataFolder::Resolve(std::string_view gamePath) const {
  std::filesystem::path result = root_;
  std::string part;
  auto flush = [&] {
    if (!part.empty()) result /= part;
    part.clear();
  };
  for (char c : gamePath) {
    if (c == '/' || c == '\\') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  return result;
}

std::filesystem::path DataFolder::Locate(const std::filesystem::path& workingDirectory,
                                         const std::filesystem::path& programDirectory) {
  const std::vector<std::filesystem::path> candidates = {
      workingDirectory,
      programDirectory / "data",
      programDirectory.parent_path() / "share" / "quenna2" / "data",
  };
  std::error_code error;
  for (const auto& folder : candidates) {
    if (std::filesystem::is_regular_file(folder / kMarkerFile, error)) return folder;
  }
  return candidates[1];
}

}  // namespace quenna
