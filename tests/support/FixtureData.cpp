#include "support/FixtureData.h"

#include <QImage>

#include <fstream>
#include <random>

#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "media/JpegWriter.h"
#include "scene/SceneFiles.h"
#include "scene/ShiftedText.h"

namespace quenna::testing {

FixtureData::FixtureData() {
  std::random_device seed;
  root_ = std::filesystem::temp_directory_path() /
          ("quenna2-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
  userFolder_ = root_ / "player";
  std::filesystem::create_directories(userFolder_);
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    messages[static_cast<std::size_t>(tab)] = {"Nothing special here.",
                                               "Look message 1 of page " + std::to_string(tab)};
    narrations[static_cast<std::size_t>(tab)] = "Narration of page " + std::to_string(tab) + ".";
  }
  WritePicture("quenna.jpg", 600, 600, QColor(30, 60, 120));
  WritePicture("scenes//cover1x1.jpg", 600, 600, PageColor(0));
  WritePicture("scenes//cover1x2.jpg", 491, 491, PageColor(0).darker());
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    WritePicture(std::string(kDateTabs[static_cast<std::size_t>(tab)].scenePicture), 600, 600,
                 PageColor(tab));
  }
  WritePicture("closeups//ornhd1x1.jpg", 160, 160, QColor(200, 170, 140));
  WritePicture("virtues.jpg", 306, 513, QColor(255, 255, 255));
  WritePicture("gold.jpg", 4, 20, QColor(255, 200, 0));
  Write();
}

FixtureData::~FixtureData() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path FixtureData::PathOf(const std::string& gamePath) const {
  return DataFolder(root_).Resolve(gamePath);
}

QColor FixtureData::PageColor(int tab) {
  return QColor::fromHsv((tab * 24) % 360, 160, 200);
}

void FixtureData::WritePicture(const std::string& gamePath, int width, int height, QColor color) {
  QImage picture(width, height, QImage::Format_RGB888);
  picture.fill(color);
  const auto file = PathOf(gamePath);
  std::filesystem::create_directories(file.parent_path());
  WriteJpeg(file, picture, 95);
}

void FixtureData::WriteFile(const std::string& gamePath, const std::string& bytes) {
  const auto file = PathOf(gamePath);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream << bytes;
}

void FixtureData::Remove(const std::string& gamePath) {
  std::error_code ignored;
  std::filesystem::remove(PathOf(gamePath), ignored);
}

void FixtureData::Write() {
  std::string grid;
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    for (int value : grids[static_cast<std::size_t>(tab)])
      grid.push_back(static_cast<char>('0' + value));
  }
  WriteFile(kGridFileName, grid);
  auto shifted = [](const std::string& text) {
    const auto bytes = EncodeShiftedText(text);
    return std::string(bytes.begin(), bytes.end());
  };
  for (int tab = 1; tab <= kYearTabs; ++tab) {
    std::string lines;
    for (const auto& line : messages[static_cast<std::size_t>(tab)]) lines += line + "\r\n";
    WriteFile(MessageFileName(tab), shifted(lines));
    WriteFile(NarrationFileName(tab), shifted(narrations[static_cast<std::size_t>(tab)]));
  }
}

}  // namespace quenna::testing
