#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quenna {

// The game's text files (look messages, narrations, dialogues) store every character
// as its code plus 3, modulo 256. A file is read whole up to a fixed limit into a
// zero-filled buffer; the text ends at the first stored 0 or at the first byte that
// decodes to 0 (a stored 3). Lines are separated by CR LF and addressed by number.

inline constexpr std::size_t kMessageFileLimit = 3400;
inline constexpr std::size_t kNarrationFileLimit = 4800;
inline constexpr std::size_t kDialogueFileLimit = 6400;

std::string DecodeShiftedText(std::span<const std::uint8_t> stored);
// Reads at most limit bytes of the file and decodes them; a missing file gives "".
std::string ReadShiftedText(const std::filesystem::path& file, std::size_t limit);

// Encodes text for storage. A character that would be stored as 0 or 3 (codes 253 and
// 0) would end the text early; EncodableAsShiftedText finds them before encoding.
std::vector<std::uint8_t> EncodeShiftedText(std::string_view text);
bool EncodableAsShiftedText(std::string_view text);

// Splits text into lines the way the game's text controls do: CR LF, a lone CR or a
// lone LF ends a line; a line break at the very end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Line n, or "" when there is no such line.
std::string LineAt(const std::vector<std::string>& lines, int n);

}  // namespace quenna
