#include <gtest/gtest.h>

#include <QImage>

#include <fstream>

#include "media/DataFolder.h"
#include "media/JpegWriter.h"
#include "media/PictureBox.h"
#include "media/PictureLoader.h"
#include "platform/GameError.h"
#include "support/FixtureData.h"

namespace quenna {
namespace {

using testing::FixtureData;

QImage Gradient(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.setPixelColor(x, y, QColor(x % 256, y % 256, 128));
  }
  return picture;
}

void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                std::size_t count) {
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(count));
}

std::string LoadError(const std::filesystem::path& file) {
  try {
    LoadPicture(file);
  } catch (const GameError& error) {
    return error.what();
  }
  return "loaded";
}

// Colour pictures come as 24-bit, greyscale ones as 8-bit grey; progressive files and
// upper-case extensions load like any other.
TEST(PictureLoader, DecodesColourGreyProgressiveAndAnyCase) {
  FixtureData data;
  const QImage colour = Gradient(64, 48);
  WriteJpeg(data.Root() / "colour.jpg", colour, 95);
  WriteJpeg(data.Root() / "progressive.JPEG", colour, 95, true);
  WriteJpeg(data.Root() / "upper.JPG", colour, 95);
  WriteJpeg(data.Root() / "grey.jpg", colour.convertToFormat(QImage::Format_Grayscale8), 95);

  for (const char* name : {"colour.jpg", "progressive.JPEG", "upper.JPG"}) {
    const QImage picture = LoadPicture(data.Root() / name);
    EXPECT_EQ(picture.format(), QImage::Format_RGB888) << name;
    EXPECT_EQ(picture.size(), QSize(64, 48)) << name;
    const QColor pixel = picture.pixelColor(40, 30);
    EXPECT_NEAR(pixel.red(), 40, 6) << name;
    EXPECT_NEAR(pixel.green(), 30, 6) << name;
    EXPECT_NEAR(pixel.blue(), 128, 6) << name;
  }
  const QImage grey = LoadPicture(data.Root() / "grey.jpg");
  EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
  EXPECT_EQ(grey.size(), QSize(64, 48));
}

// Failures carry the loader's own messages; a file cut short in its data still shows what
// was there, one cut in its header is rejected.
TEST(PictureLoader, ReportsUnknownMissingAndRejectedFiles) {
  FixtureData data;
  EXPECT_EQ(LoadError(data.Root() / "picture.bmp"), "Unknown picture file extension (.bmp)");
  EXPECT_EQ(LoadError(data.Root() / "picture"), "Unknown picture file extension (.)");
  EXPECT_EQ(LoadError(data.Root() / "missing.jpg"),
            "Cannot open file " + (data.Root() / "missing.jpg").string());

  data.WriteFile("text.jpg", "Hello, this is not a picture.");
  EXPECT_EQ(LoadError(data.Root() / "text.jpg"), "Not a JPEG file: starts with 0x48 0x65");

  const auto bytes = EncodeJpeg(Gradient(200, 200), 90);
  WriteBytes(data.Root() / "cut-data.jpg", bytes, bytes.size() / 2);
  const QImage partial = LoadPicture(data.Root() / "cut-data.jpg");
  EXPECT_EQ(partial.size(), QSize(200, 200));

  WriteBytes(data.Root() / "cut-header.jpg", bytes, 40);
  EXPECT_NE(LoadError(data.Root() / "cut-header.jpg"), "loaded");
}

// A picture control keeps its picture when a new one fails, and sizes itself when asked.
TEST(PictureBox, KeepsItsPictureWhenALoadFails) {
  FixtureData data;
  PictureBox box;
  box.SetAutoSize(true);
  box.LoadFromFile(data.PathOf("virtues.jpg"));
  EXPECT_EQ(box.size(), QSize(306, 513));
  EXPECT_THROW(box.LoadFromFile(data.PathOf("nothing.jpg")), GameError);
  EXPECT_EQ(box.LoadedFile(), data.PathOf("virtues.jpg"));
  EXPECT_EQ(box.Picture().size(), QSize(306, 513));
  // Drawing on the canvas works whatever format the file had.
  box.Canvas().setPixelColor(0, 0, Qt::red);
  EXPECT_EQ(box.Picture().pixelColor(0, 0), QColor(Qt::red));
}

// The game's file names use "/", "//" and "\" as separators.
TEST(DataFolder, ResolvesTheGamesPaths) {
  const DataFolder data("/games/q2");
  EXPECT_EQ(data.Resolve("scenes//17161x1.jpg"), "/games/q2/scenes/17161x1.jpg");
  EXPECT_EQ(data.Resolve("data\\grid12.dat"), "/games/q2/data/grid12.dat");
  EXPECT_EQ(data.Resolve("intro/quennasleep1.jpg"), "/games/q2/intro/quennasleep1.jpg");
  EXPECT_EQ(data.Resolve("2grdata."), "/games/q2/2grdata.");
}

// The encoder gives the same bytes for the same picture, so the data kit is repeatable.
TEST(JpegWriter, SamePictureSameBytes) {
  EXPECT_EQ(EncodeJpeg(Gradient(50, 40), 85), EncodeJpeg(Gradient(50, 40), 85));
}

}  // namespace
}  // namespace quenna
