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

// Colour pictures come as 32-bit, ready to paint, greyscale ones as 8-bit grey;
// progressive files and upper-case extensions load like any other.
TEST(PictureLoader, DecodesColourGreyProgressiveAndAnyCase) {
  FixtureData data;
  const QImage colour = Gradient(64, 48);
  WriteJpeg(data.Root() / "colour.jpg", colour, 95);
  WriteJpeg(data.Root() / "progressive.JPEG", colour, 95, true);
  WriteJpeg(data.Root() / "upper.JPG", colour, 95);
  WriteJpeg(data.Root() / "grey.jpg", colour.convertToFormat(QImage::Format_Grayscale8), 95);

  for (const char* name : {"colour.jpg", "progressive.JPEG", "upper.JPG"}) {
    const QImage picture = LoadPicture(data.Root() / name);
    EXPECT_EQ(picture.format(), QImage::Format_RGB32) << name;
    EXPECT_EQ(picture.size(), QSize(64, 48)) << name;
    const QColor pixel = picture.pixelColor(40, 30);
    EXPECT_NEAR(pixel.red(), 40, 6) << name;
    EXPECT_NEAR(pixel.green(), 30, 6) << name;
    EXPECT_NEAR(pixel.blue(), 128, 6) << name;
    EXPECT_EQ(qAlpha(reinterpret_cast<const QRgb*>(picture.constScanLine(30))[40]), 255) << name;
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

// The bytes of a JPEG with its frame header claiming another size.
std::vector<std::uint8_t> ClaimingSize(std::vector<std::uint8_t> bytes, int width, int height) {
  for (std::size_t at = 2; at + 9 < bytes.size(); ++at) {
    if (bytes[at] == 0xFF && (bytes[at + 1] == 0xC0 || bytes[at + 1] == 0xC2)) {
      bytes[at + 5] = static_cast<std::uint8_t>(height >> 8);
      bytes[at + 6] = static_cast<std::uint8_t>(height & 0xFF);
      bytes[at + 7] = static_cast<std::uint8_t>(width >> 8);
      bytes[at + 8] = static_cast<std::uint8_t>(width & 0xFF);
      break;
    }
  }
  return bytes;
}

// A progressive JPEG whose first scan comes again and again: every scan is a pass over
// the whole picture, however few its bytes.
std::vector<std::uint8_t> WithFirstScanRepeated(const std::vector<std::uint8_t>& bytes, int times) {
  auto marker = [&](std::size_t from, std::uint8_t code) {
    for (std::size_t at = from; at + 1 < bytes.size(); ++at) {
      if (bytes[at] == 0xFF && bytes[at + 1] == code) return at;
    }
    return bytes.size();
  };
  const std::size_t scan = marker(2, 0xDA);
  std::size_t next = scan + 2;
  while (next + 1 < bytes.size() && !(bytes[next] == 0xFF && bytes[next + 1] != 0x00 &&
                                      (bytes[next + 1] < 0xD0 || bytes[next + 1] > 0xD7))) {
    ++next;
  }
  std::vector<std::uint8_t> repeated(bytes.begin(), bytes.begin() + static_cast<long>(scan));
  for (int k = 0; k < times; ++k) {
    repeated.insert(repeated.end(), bytes.begin() + static_cast<long>(scan),
                    bytes.begin() + static_cast<long>(next));
  }
  repeated.insert(repeated.end(), bytes.begin() + static_cast<long>(next), bytes.end());
  return repeated;
}

// A picture larger than the game can use is refused from its header, before any memory is
// taken for its pixels, and so is a file too large or with too many scans to decode in
// reasonable time; a large picture within the limits still loads.
TEST(PictureLoader, RefusesPicturesLargerThanTheGameCanUse) {
  FixtureData data;
  const auto colour = EncodeJpeg(Gradient(16, 16), 90);
  const auto grey = EncodeJpeg(Gradient(16, 16).convertToFormat(QImage::Format_Grayscale8), 90);
  const auto progressive = EncodeJpeg(Gradient(64, 48), 90, true);
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::string error;
  } cases[] = {
      {"huge.jpg", ClaimingSize(colour, 60000, 60000), "Picture too large (60000 x 60000)"},
      {"wide.jpg", ClaimingSize(grey, 8193, 8), "Picture too large (8193 x 8)"},
      {"big.jpg", ClaimingSize(colour, 8000, 3000), "Picture too large (8000 x 3000)"},
      {"scans.jpg", WithFirstScanRepeated(progressive, 70),
       "Progressive JPEG image has more than 64 scans"},
      {"fewer-scans.jpg", WithFirstScanRepeated(progressive, 40), "loaded"},
      {"big-grey.jpg", ClaimingSize(grey, 8000, 3000), "loaded"},
  };
  for (const auto& c : cases) {
    WriteBytes(data.Root() / c.name, c.bytes, c.bytes.size());
    EXPECT_EQ(LoadError(data.Root() / c.name), c.error) << c.name;
  }
  EXPECT_EQ(LoadPicture(data.Root() / "big-grey.jpg").size(), QSize(8000, 3000));

  std::vector<std::uint8_t> tooLong = colour;
  tooLong.resize(kPictureBytesLimit + 1);
  WriteBytes(data.Root() / "long.jpg", tooLong, tooLong.size());
  EXPECT_EQ(LoadError(data.Root() / "long.jpg"), "Picture too large (" +
                                                     (data.Root() / "long.jpg").string() +
                                                     " has more than 67108864 bytes)");
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
