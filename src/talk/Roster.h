#pragma once

#include <array>
#include <string>
#include <string_view>

#include "scene/SceneFiles.h"

namespace quenna {

// The people of the date book: on each year page, the click-grid value that names a
// person in talk mode, their speaker number (which picks their nine answer marks),
// their close-up picture and their dialogue file. Paths are used exactly as written.
struct RosterRow {
  int tab;
  int cellValue;
  // Oriel's row on the 1779 page answers every value up to its own, 0 and below included.
  bool andBelow;
  int speaker;
  std::string_view character;
  std::string_view picture;
  std::string_view dialogue;
};

// Speakers 1..7 and 9..14 are the first person of their page (the tab number); the
// 1735 page uses 22..24; the others are numbered 15..39 in table order. 0 and 8 are free:
// their places in a saved game keep the answer marks of 38 and 39 (AnswerMarks).
inline constexpr std::array<RosterRow, 38> kRoster = {{
    {1, 7, false, 1, "young Orn", "closeups//orn17161x1.jpg", "d2\\orn1716.dat"},
    {1, 2, false, 15, "first boy", "closeups//boy117161x1.jpg", "d2\\boy11716.dat"},
    {1, 3, false, 16, "second boy", "closeups//boy217161x1.jpg", "d2\\boy21716.dat"},
    {2, 3, false, 2, "Corvane", "closeups//corvane1x1.jpg", "d2\\cor1719.dat"},
    {2, 4, false, 17, "Orn", "closeups//orn17191x1.jpg", "d2\\orn1719.dat"},
    {3, 1, false, 3, "Tullan", "closeups//tullan1x1.jpg", "d2\\tul1722.dat"},
    {3, 2, false, 18, "Orn", "closeups//orn17221x1.jpg", "d2\\orn1722.dat"},
    {4, 1, false, 4, "Mirrel", "closeups//mir17231x1.jpg", "d2\\mir1723.dat"},
    {4, 2, false, 19, "Orn", "closeups//orn17231x1.jpg", "d2\\orn1723.dat"},
    {5, 2, false, 5, "Pashko", "closeups//pashko17251x1.jpg", "d2\\pas1725.dat"},
    {5, 4, false, 20, "Orn", "closeups//orn17251x1.jpg", "d2\\orn1725.dat"},
    {6, 5, false, 6, "Ebbart Stannow", "closeups//stannow1x1.jpg", "d2\\ebb1727.dat"},
    {6, 4, false, 21, "Orn", "closeups//orn17271x1.jpg", "d2\\orn1727.dat"},
    {7, 1, false, 7, "Orn", "closeups//orn17281x1.jpg", "d2\\orn1728.dat"},
    {8, 1, false, 22, "Dace", "closeups//dace17351x1.jpg", "d2\\dace1735.dat"},
    {8, 2, false, 23, "Orn", "closeups//orn17351x1.jpg", "d2\\orn1735.dat"},
    {8, 4, false, 24, "Tullan", "closeups//tullan17351x1.jpg", "d2\\tullan1735.dat"},
    {9, 2, false, 9, "Wynnet", "closeups//wyn17461x1.jpg", "d2\\wyn1746.dat"},
    {9, 1, false, 25, "Mirrel", "closeups//mir17461x1.jpg", "d2\\mir1746.dat"},
    {9, 3, false, 26, "Orn", "closeups//orn17461x1.jpg", "d2\\orn1746.dat"},
    {9, 7, false, 27, "the cat", "closeups//cat17461x1.jpg", "d2\\cat1746.dat"},
    {10, 2, false, 10, "Fennick", "closeups//fk17521x1.jpg", "d2\\fen1752.dat"},
    {10, 1, false, 28, "Orn", "closeups//orn17521x1.jpg", "d2\\orn1752.dat"},
    {11, 2, false, 11, "Ebbart Quillard", "closeups//quil17761x1.jpg", "d2\\ebb1776.dat"},
    {11, 1, false, 29, "Orn", "closeups//orn17761x1.jpg", "d2\\orn1776.dat"},
    {11, 3, false, 30, "Merrow", "closeups//merrow17761x1.jpg", "d2\\merrow1776.dat"},
    {11, 4, false, 31, "Saffin", "closeups//saf17761x1.jpg", "d2\\saf1776.dat"},
    {11, 5, false, 32, "Lunt", "closeups//lunt17761x1.jpg", "d2\\lunt1776.dat"},
    {12, 1, false, 12, "Brastow", "closeups//bras17781x1.jpg", "d2\\bras1778.dat"},
    // On 1778 the grown son Orny has the file named after Orn, and Orn his own "ornh".
    {12, 3, false, 33, "Orny", "closeups//orny17781x1.jpg", "d2\\orn1778.dat"},
    {12, 2, false, 34, "Orn", "closeups//ornh17781x1.jpg", "d2\\ornh1778.dat"},
    {13, 2, true, 13, "Oriel", "closeups//ori17791x1.jpg", "d2\\oriel1779.dat"},
    {13, 3, false, 35, "Madame Devanne", "closeups//deva17791x1.jpg", "d2\\deva1779.dat"},
    {13, 4, false, 36, "Orn", "closeups//orn17791x1.jpg", "d2\\orn1779.dat"},
    {13, 5, false, 37, "Madame Quessel", "closeups//ques17791x1.jpg", "d2\\ques1779.dat"},
    {13, 6, false, 38, "Montrell", "closeups//mont17791x1.jpg", "d2\\mont1779.dat"},
    {14, 2, false, 14, "Orny", "closeups//orny17851x1.jpg", "d2\\orny1785.dat"},
    {14, 1, false, 39, "Orn", "closeups//orn17851x1.jpg", "d2\\orn1785.dat"},
}};

// The person a talk-mode click on a cell of this value meets on a page, or nullptr when
// the value names nobody there. The first matching row wins.
const RosterRow* FindRosterRow(int tab, int cellValue);

// The person under a cell of a page's grid in talk mode, or nullptr for nobody there or
// a cell beyond the grid.
const RosterRow* PersonAt(int tab, const SceneGrid& grid, int cell);

// Whether the player may talk on the current page: only on the task's page, or on every
// page while the task names none in particular. With no task nobody can be talked to.
bool MayTalkOn(int taskTab, int currentTab);

// The close-up window's title for the virtue sought: "You are seeking the virtue of
// temperance." and so on; a virtue outside 1..12 reads "humility.".
std::string MeetsTitle(int taskVirtue);

}  // namespace quenna
