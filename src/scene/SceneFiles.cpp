#include "scene/SceneFiles.h"

namespace quenna {

bool SceneGridFile::Open(const std::filesystem::path& file) {
  stream_.open(file, std::ios::binary);
  return stream_.is_open();
}

SceneGrid SceneGridFile::ReadRecord(int tab) {
  std::array<char, kGridCells> bytes{};
  if (stream_.is_open() && tab >= 1) {
    stream_.clear();
    stream_.seekg(static_cast<std::streamoff>(tab - 1) * kGridCells);
    stream_.read(bytes.data(), kGridCells);
  }
  SceneGrid grid{};
  for (int i = 0; i < kGridCells; ++i) {
    grid[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(
        static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)] - '0'));
  }
  return grid;
}

namespace {
const YearPageFiles* PageFiles(int tab) {
  if (tab < 1 || tab > static_cast<int>(kYearPages.size())) return nullptr;
  return &kYearPages[static_cast<std::size_t>(tab - 1)];
}
}  // namespace

std::string MessageFileName(int tab) {
  const YearPageFiles* page = PageFiles(tab);
  return page != nullptr ? std::string(page->messages) : std::string();
}

std::string NarrationFileName(int tab) {
  const YearPageFiles* page = PageFiles(tab);
  return page != nullptr ? std::string(page->narration) : std::string();
}

}  // namespace quenna
