#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "Source.h"

namespace quenna::datakit {

// The longest look line the message box shows in full (a label of about 290 x 168
// pixels in bold 16-pixel Times).
inline constexpr std::size_t kLookLineLimit = 280;

// A page's message file as text: line 0 the "nothing" line, line n the look line of the
// thing or person with value n (empty where no value n is used), CR LF after each line.
// Throws ContentError when a line is too long for the message box or the file too long
// for the game to read.
std::string MessageText(const PageSource& page);
// A page's narration: its paragraphs separated by an empty line. Throws ContentError
// when it is longer than the game reads.
std::string NarrationText(const PageSource& page);

// The fourteen page files of content/pages, read and ordered by tab. Throws
// ContentError for a missing or doubled year, or the first mistake in a file.
std::vector<PageSource> ReadAllPages(const std::filesystem::path& contentFolder);
// The picture files of content/pictures, then the close-ups of content/closeups, each in
// name order. Close-ups that draw on a year page still need ResolvePageViews.
std::vector<PictureSource> ReadAllPictures(const std::filesystem::path& contentFolder);

// Builds every file of the data folder from the content folder. The same sources
// always give the same bytes. Progress goes to log. Throws ContentError.
void BuildDataFolder(const std::filesystem::path& contentFolder,
                     const std::filesystem::path& dataFolder, std::ostream& log);

// Writes bytes to a game path ("scenes//17161x1.jpg") inside the data folder.
void WriteDataFile(const std::filesystem::path& dataFolder, const std::string& gamePath,
                   const std::vector<std::uint8_t>& bytes);

// The game paths this kit builds for the year pages.
std::string ScenePicturePath(int tab);

}  // namespace quenna::datakit
