#include "media/JpegWriter.h"

#include <jpeglib.h>
#include <cstdio>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/GameError.h"

namespace quenna {

std::vector<std::uint8_t> EncodeJpeg(const QImage& picture, int quality, bool progressive) {
  const bool grey = picture.format() == QImage::Format_Grayscale8;
  const QImage source = grey ? picture : picture.convertToFormat(QImage::Format_RGB888);

  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);  // encoding our own images cannot fail on data
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(source.width());
  info.image_height = static_cast<JDIMENSION>(source.height());
  info.input_components = grey ? 1 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(source.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

void WriteJpeg(const std::filesystem::path& file, const QImage& picture, int quality,
               bool progressive) {
  const auto bytes = EncodeJpeg(picture, quality, progressive);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw GameError("Cannot write file " + file.string());
}

}  // namespace quenna
