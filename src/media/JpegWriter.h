#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quenna {

// Encodes a picture as a baseline JPEG with libjpeg's compressor. The same picture
// always gives the same bytes. Grey images stay one-component; progressive on request.
std::vector<std::uint8_t> EncodeJpeg(const QImage& picture, int quality = 90,
                                     bool progressive = false);

// Writes the encoded picture; throws GameError naming the file when it cannot.
void WriteJpeg(const std::filesystem::path& file, const QImage& picture, int quality = 90,
               bool progressive = false);

}  // namespace quenna
