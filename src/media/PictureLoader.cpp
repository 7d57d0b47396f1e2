#include "media/PictureLoader.h"

// libjpeg's header needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <cstdio>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/GameError.h"

namespace quenna {
namespace {

// libjpeg's default error handler ends the process. Ours keeps the message and jumps
// back to Decode, whose frame holds only plain C data, and Decode reports it.
struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitWithMessage(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings ("Premature end of JPEG file") are not errors: the picture shows what
// was there, as the game has always done.
void IgnoreWarning(j_common_ptr) {}

// libjpeg-turbo's extended colour spaces write the pixels in the order QImage keeps them.
#ifndef JCS_EXTENSIONS
#error "the picture loader needs libjpeg-turbo (its extended colour spaces)"
#endif
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_XRGB;
#endif

// libjpeg calls this as it reads; a progressive file with more scans than any real
// picture has is stopped here, since each scan costs a pass over the whole picture.
void LimitScans(j_common_ptr info) {
  if (!info->is_decompressor) return;
  const int scans = reinterpret_cast<j_decompress_ptr>(info)->input_scan_number;
  if (scans <= kPictureScanLimit) return;
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  std::snprintf(errors->message, sizeof errors->message,
                "Progressive JPEG image has more than %d scans", kPictureScanLimit);
  std::longjmp(errors->jump, 1);
}

// Whether the game can use a picture of this size: checked from the header, before
// libjpeg or the picture take any memory for the pixels.
bool SizeAllowed(JDIMENSION width, JDIMENSION height, int bytesPerPixel) {
  if (width > kPictureSideLimit || height > kPictureSideLimit) return false;
  return std::uint64_t{width} * height * static_cast<std::uint64_t>(bytesPerPixel) <=
         kPictureBytesLimit;
}

// Converts an Adobe CMYK row (stored inverted) to 32-bit RGB.
void CmykRowToRgb(const JSAMPLE* cmyk, QRgb* rgb, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x) {
    const int k = cmyk[4 * x + 3];
    rgb[x] = qRgb(cmyk[4 * x + 0] * k / 255, cmyk[4 * x + 1] * k / 255, cmyk[4 * x + 2] * k / 255);
  }
}

// Returns false with errors->message set when libjpeg rejects the data. Between the
// setjmp and any longjmp this frame holds nothing with a destructor.
bool Decode(const std::uint8_t* bytes, std::size_t size, QImage* out, JpegErrors* errors,
            std::vector<JSAMPLE>* cmykRow) {
  jpeg_decompress_struct info;
  std::memset(&info, 0, sizeof info);
  info.err = jpeg_std_error(&errors->manager);
  errors->manager.error_exit = ExitWithMessage;
  errors->manager.output_message = IgnoreWarning;
  if (setjmp(errors->jump) != 0) {
    jpeg_destroy_decompress(&info);  // safe on a half-created decompressor
    return false;
  }
  jpeg_progress_mgr progress{};
  progress.progress_monitor = LimitScans;
  jpeg_create_decompress(&info);
  info.progress = &progress;
  // Room for a whole progressive picture of the largest allowed size, four components
  // of two-byte coefficients; beyond that libjpeg stops with its own message.
  info.mem->max_memory_to_use = 4 * static_cast<long>(kPictureBytesLimit);
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  const bool grey = info.num_components == 1;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  // Colour goes straight into the layout of QImage::Format_RGB32 (blue, green, red and a
  // byte of 0xFF on a little-endian machine), which painting uses without converting.
  info.out_color_space = grey ? JCS_GRAYSCALE : (cmyk ? JCS_CMYK : kRgb32Layout);
  if (!SizeAllowed(info.image_width, info.image_height, grey ? 1 : 4)) {
    std::snprintf(errors->message, sizeof errors->message, "Picture too large (%u x %u)",
                  info.image_width, info.image_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);

  *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
  if (out->isNull()) {
    std::snprintf(errors->message, sizeof errors->message, "Picture too large (%u x %u)",
                  info.output_width, info.output_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  if (cmyk) cmykRow->resize(static_cast<std::size_t>(info.output_width) * 4);
  while (info.output_scanline < info.output_height) {
    std::uint8_t* target = out->scanLine(static_cast<int>(info.output_scanline));
    JSAMPROW row = cmyk ? cmykRow->data() : target;
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykRowToRgb(cmykRow->data(), reinterpret_cast<QRgb*>(target), info.output_width);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

QImage DecodeJpeg(const std::uint8_t* bytes, std::size_t size) {
  JpegErrors errors{};
  std::vector<JSAMPLE> cmykRow;
  QImage picture;
  if (!Decode(bytes, size, &picture, &errors, &cmykRow)) throw GameError(errors.message);
  return picture;
}

QImage LoadPicture(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  if (!extension.empty()) extension.erase(0, 1);
  const std::string lower = LowerCase(extension);
  if (lower != "jpg" && lower != "jpeg") {
    throw GameError("Unknown picture file extension (." + extension + ")");
  }
  std::ifstream stream(file, std::ios::binary);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!stream || error) throw GameError("Cannot open file " + file.string());
  // Read whole in one go, but only up to the largest picture allowed.
  if (size > kPictureBytesLimit) {
    throw GameError("Picture too large (" + file.string() + " has more than " +
                    std::to_string(kPictureBytesLimit) + " bytes)");
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  stream.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  return DecodeJpeg(bytes.data(), bytes.size());
}

}  // namespace quenna
