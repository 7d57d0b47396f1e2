#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenna {

// The largest picture the game takes. Its pictures are at most 801 pixels wide and the
// largest screens have 4096 columns or so: a bigger file is a mistake or an attack, and
// is refused from its header, before any memory is taken for its pixels. The same limit
// holds for the file's own size, and a progressive file may have only so many scans
// (ours have 10; each scan decodes the whole picture again).
inline constexpr unsigned kPictureSideLimit = 8192;                  // pixels, each side
inline constexpr std::size_t kPictureBytesLimit = 64 * 1024 * 1024;  // decoded, and the file
inline constexpr int kPictureScanLimit = 64;

// Loads a picture file the way every picture control of the game does: the format is
// chosen by the extension ("jpg" or "jpeg", in any case) and the file is decoded with
// libjpeg. A greyscale JPEG gives an 8-bit grey image, anything else 32-bit colour
// (QImage::Format_RGB32), which is what painting uses.
// Throws GameError with "Unknown picture file extension (.ext)", "Cannot open file
// <path>", "Picture too large (<width> x <height>)" or libjpeg's own message; nothing is
// returned half decoded.
QImage LoadPicture(const std::filesystem::path& file);

// Decodes JPEG bytes already in memory; the same errors apart from the file ones.
QImage DecodeJpeg(const std::uint8_t* bytes, std::size_t size);

}  // namespace quenna
