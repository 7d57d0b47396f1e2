#include "platform/WavCheck.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

namespace quenna {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Le16(bytes, at)) |
         static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16;
}

bool Tag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5]) {
  return std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// The "fmt " chunk's body: what the samples are.
struct Format {
  std::uint16_t encoding = 0;
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bits = 0;
};

std::string FormatProblem(const Format& format) {
  const bool pcm = format.encoding == kFormatPcm && (format.bits == 8 || format.bits == 16 ||
                                                     format.bits == 24 || format.bits == 32);
  const bool floats = format.encoding == kFormatFloat && format.bits == 32;
  if (!pcm && !floats) {
    return "samples of encoding " + std::to_string(format.encoding) + " with " +
           std::to_string(format.bits) + " bits";
  }
  if (format.channels < 1 || format.channels > 8) {
    return std::to_string(format.channels) + " channels";
  }
  if (format.rate < 8000 || format.rate > 192000) {
    return std::to_string(format.rate) + " samples a second";
  }
  if (format.blockAlign != format.channels * format.bits / 8) {
    return "blocks of " + std::to_string(format.blockAlign) + " bytes";
  }
  return {};
}

}  // namespace

std::string WavProblem(std::span<const std::uint8_t> header, std::uintmax_t fileSize) {
  if (fileSize > kWavFileLimit) return "larger than " + std::to_string(kWavFileLimit) + " bytes";
  header = header.first(static_cast<std::size_t>(
      std::min<std::uintmax_t>({header.size(), fileSize, kWavHeaderLimit})));
  if (header.size() < 12 || !Tag(header, 0, "RIFF") || !Tag(header, 8, "WAVE")) {
    return "not a RIFF WAVE file";
  }
  bool haveFormat = false;
  Format format;
  std::uintmax_t at = 12;
  // Chunk after chunk: a four-letter name, the length of the body, the body, and a pad
  // byte after a body of odd length.
  while (at + 8 <= header.size()) {
    const auto start = static_cast<std::size_t>(at);
    const std::uint32_t length = Le32(header, start + 4);
    const std::uintmax_t end = at + 8 + length;
    const std::string name(header.begin() + static_cast<std::ptrdiff_t>(start),
                           header.begin() + static_cast<std::ptrdiff_t>(start) + 4);
    if (end > fileSize) return "its \"" + name + "\" chunk runs past the end of the file";
    if (Tag(header, start, "fmt ")) {
      if (length < 16 || end > header.size()) return "a \"fmt \" chunk too short";
      const auto body = header.subspan(start + 8, length);
      format.encoding = Le16(body, 0);
      format.channels = Le16(body, 2);
      format.rate = Le32(body, 4);
      format.blockAlign = Le16(body, 12);
      format.bits = Le16(body, 14);
      // An extensible format names its encoding in the first two bytes of its GUID.
      if (format.encoding == kFormatExtensible && length >= 40) format.encoding = Le16(body, 24);
      const std::string problem = FormatProblem(format);
      if (!problem.empty()) return problem;
      haveFormat = true;
    } else if (Tag(header, start, "data")) {
      if (!haveFormat) return "samples before their format";
      const std::uintmax_t bytesPerSecond = std::uintmax_t{format.rate} * format.blockAlign;
      if (length > bytesPerSecond * kWavSecondsLimit) {
        return "longer than " + std::to_string(kWavSecondsLimit) + " seconds";
      }
      return {};
    }
    at = end + (length & 1);
  }
  return "no samples in the first " + std::to_string(header.size()) + " bytes";
}

std::string WavFileProblem(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return error.message();
  std::ifstream stream(file, std::ios::binary);
  std::vector<std::uint8_t> header(static_cast<std::size_t>(std::min(size, kWavHeaderLimit)));
  stream.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
  if (!stream) return "cannot be read";
  return WavProblem(header, size);
}

}  // namespace quenna
