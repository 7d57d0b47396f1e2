#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quenna::datakit {

// Who can be talked to on each page, by the cell values that start the conversation.
// The page sources must draw a person of that name exactly there.
struct RosterEntry {
  int tab;
  std::string_view name;
  std::array<int, 2> values;  // the values that reach the person (second 0 when unused)
};

// On the 1779 page every value below 3 reaches Oriel; 0 is the empty floor of her
// salon, 1 and 2 must be drawn on her.
inline constexpr std::array<RosterEntry, 38> kRosterCells = {{
    {1, "young Orn", {7, 0}},
    {1, "first boy", {2, 0}},
    {1, "second boy", {3, 0}},
    {2, "Corvane", {3, 0}},
    {2, "Orn", {4, 0}},
    {3, "Tullan", {1, 0}},
    {3, "Orn", {2, 0}},
    {4, "Mirrel", {1, 0}},
    {4, "Orn", {2, 0}},
    {5, "Pashko", {2, 0}},
    {5, "Orn", {4, 0}},
    {6, "Ebbart Stannow", {5, 0}},
    {6, "Orn", {4, 0}},
    {7, "Orn", {1, 0}},
    {8, "Dace", {1, 0}},
    {8, "Orn", {2, 0}},
    {8, "Tullan", {4, 0}},
    {9, "Wynnet", {2, 0}},
    {9, "Mirrel", {1, 0}},
    {9, "Orn", {3, 0}},
    {9, "the cat", {7, 0}},
    {10, "Fennick", {2, 0}},
    {10, "Orn", {1, 0}},
    {11, "Ebbart Quillard", {2, 0}},
    {11, "Orn", {1, 0}},
    {11, "Merrow", {3, 0}},
    {11, "Saffin", {4, 0}},
    {11, "Lunt", {5, 0}},
    {12, "Brastow", {1, 0}},
    {12, "Orny", {3, 0}},
    {12, "Orn", {2, 0}},
    {13, "Oriel", {1, 2}},
    {13, "Madame Devanne", {3, 0}},
    {13, "Orn", {4, 0}},
    {13, "Madame Quessel", {5, 0}},
    {13, "Montrell", {6, 0}},
    {14, "Orny", {2, 0}},
    {14, "Orn", {1, 0}},
}};

// Checks a built data folder against the content sources: every file the game reads
// is there and readable, the grid records are 645 digits and match the pictures'
// sources, each person of the roster stands at their values, the texts fit the game's
// read limits and hold no byte that would end them early, and every value in a grid
// has its look line. Returns the problems found, one line each; empty when all is well.
std::vector<std::string> CheckDataFolder(const std::filesystem::path& contentFolder,
                                         const std::filesystem::path& dataFolder);

}  // namespace quenna::datakit
