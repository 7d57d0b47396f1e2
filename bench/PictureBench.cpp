// Our picture loader against plain libjpeg decoding of the same file into a buffer.
#include <benchmark/benchmark.h>

#include <QImage>

#include <jpeglib.h>
#include <cstdio>

#include <filesystem>
#include <fstream>
#include <vector>

#include "media/JpegWriter.h"
#include "media/PictureLoader.h"

namespace {

// A picture with detail everywhere, so decoding does real work.
std::filesystem::path MakePicture(int width, int height) {
  const auto file =
      std::filesystem::temp_directory_path() /
      ("quenna2-bench-" + std::to_string(width) + "x" + std::to_string(height) + ".jpg");
  if (std::filesystem::exists(file)) return file;
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.setPixelColor(x, y, QColor((x * 7 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
    }
  }
  quenna::WriteJpeg(file, picture, 90);
  return file;
}

std::vector<unsigned char> ReadAll(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// The least work libjpeg needs: read the file, decode RGB rows into one buffer.
void PlainLibjpeg(benchmark::State& state) {
  const auto file = MakePicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const auto bytes = ReadAll(file);
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(info.output_width) * 3 *
                                      info.output_height);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row =
          pixels.data() + static_cast<std::size_t>(info.output_scanline) * info.output_width * 3;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    benchmark::DoNotOptimize(pixels.data());
  }
}

void OurLoader(benchmark::State& state) {
  const auto file = MakePicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    QImage picture = quenna::LoadPicture(file);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

}  // namespace

BENCHMARK(PlainLibjpeg)->Args({600, 600})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(OurLoader)->Args({600, 600})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
