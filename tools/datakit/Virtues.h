#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "Source.h"
#include "core/WorldTables.h"

namespace quenna::datakit {

// The thirteen virtues explained in a child's words, from content/virtues.text:
//
//   # a comment
//   temperance Temperance means not eating or drinking too much, ...
//     an indented line goes on with the text above it
//
// One entry per virtue, named as the dialogues name them, in Orn's order: temperance
// first, humility last. Each is built into one line of the game's text file
// "data\virtues.dat" (line n for virtue n + 1, CR LF after each line) and written into
// the help page where it says kHelpVirtuesMark.
inline constexpr const char* kVirtueWordsSource = "virtues.text";
inline constexpr const char* kVirtueWordsFile = "data\\virtues.dat";

// An explanation is shown in a small panel over the virtue chart (306 pixels wide): at
// most 250 characters, about six lines of a 12-pixel font. So all thirteen lines, each
// with its CR LF, stay within the look-message limit of 3400 bytes the game reads with.
inline constexpr std::size_t kVirtueWordsLimit = 250;

// The line of content/help/ORNH.html that the list of the thirteen virtues replaces.
inline constexpr const char* kHelpVirtuesMark =
    "<!-- The thirteen virtues: written in here by the data kit from content/virtues.text -->";

struct VirtueWords {
  std::string file;
  std::array<std::string, kVirtueCount> words;  // virtue n + 1 at n
  std::array<int, kVirtueCount> lines{};        // where each was written
};

// Reads the virtue words. Throws ContentError listing every mistake, one
// "file:line: message" a line: an unknown or repeated name, a virtue out of Orn's order
// or missing, a text that is empty, too long or not plain ASCII.
VirtueWords ParseVirtueWords(const std::string& text, const std::string& fileName);
VirtueWords ReadVirtueWords(const std::filesystem::path& contentFolder);

// The text of "data\virtues.dat": the thirteen explanations, one a line, CR LF after each.
std::string VirtueWordsText(const VirtueWords& virtues);

// The help page with its mark line replaced by the list of the thirteen virtues. Throws
// ContentError naming helpFile when the page has no mark line.
std::string HelpWithVirtueWords(const std::string& help, const VirtueWords& virtues,
                                const std::string& helpFile);

}  // namespace quenna::datakit
