#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace quenna {

// What the game plays: a RIFF WAVE file of plain PCM (8, 16, 24 or 32 bits) or 32-bit
// float samples, 1 to 8 channels, 8000 to 192000 samples a second, at most 64 MiB and ten
// minutes long. SDL's WAV reader believes the sizes a file claims (a 44-byte header can
// make it ask for 3.7 GB), so a file is checked before SDL sees it: every chunk up to the
// samples must lie within the file, and the format must be one of the above.
inline constexpr std::uintmax_t kWavFileLimit = 64 * 1024 * 1024;
inline constexpr int kWavSecondsLimit = 600;
// The format and the start of the samples must lie within the file's first bytes.
inline constexpr std::size_t kWavHeaderLimit = 4096;

// Why a WAV file with these first bytes (up to kWavHeaderLimit of them) and this size in
// bytes cannot be played; empty when it can.
std::string WavProblem(std::span<const std::uint8_t> header, std::uintmax_t fileSize);

// Reads the first bytes and the size of a file and checks them with WavProblem; a file
// that cannot be read is a problem too.
std::string WavFileProblem(const std::filesystem::path& file);

}  // namespace quenna
