#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenna {

// Loads a picture file the way every picture control of the game does: the format is
// chosen by the extension ("jpg" or "jpeg", in any case) and the file is decoded with
// libjpeg. A greyscale JPEG gives an 8-bit grey image, anything else 24-bit colour.
// Throws GameError with "Unknown picture file extension (.ext)", "Cannot open file
// <path>" or libjpeg's own message; nothing is returned half decoded.
QImage LoadPicture(const std::filesystem::path& file);

// Decodes JPEG bytes already in memory; the same errors apart from the file ones.
QImage DecodeJpeg(const std::uint8_t* bytes, std::size_t size);

}  // namespace quenna
