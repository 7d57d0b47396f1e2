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

std::string MessageFileName(int tab) {
  std::string name = "data\\grid00.dat";
  name[9] = static_cast<char>('0' + tab / 10);
  name[10] = static_cast<char>('0' + tab % 10);
  return name;
}

std::string NarrationFileName(int tab) {
  std::string name = "data\\orn1.dat";
  name[8] = static_cast<char>('0' + tab + (tab > 9 ? 7 : 0));
  return name;
}

}  // namespace quenna
