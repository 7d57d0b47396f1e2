#pragma once

#include <QPoint>
#include <QString>

#include <string>
#include <vector>

#include "support/TestGame.h"

namespace quenna {
class TCloseUp;
}

namespace quenna::testing {

// A dialogue file for a test: 77 lines, line n reading "Ln" unless a test says
// otherwise. Question q's key line reads "<letter> L<57+q>" with the letter A, B, C for
// q mod 3 = 0, 1, 2, and its virtue digits "1234".
struct FixtureDialogue {
  FixtureDialogue();
  FixtureDialogue& Set(int line, std::string text);
  // The decoded text, lines joined by CR LF.
  std::string Text() const;
  // Writes it, encoded, at a game path such as "d2\wyn1746.dat".
  void WriteTo(FixtureData& data, const std::string& gamePath) const;

  std::vector<std::string> lines;
};

// The letter of question q's correct answer in a FixtureDialogue.
constexpr char FixtureKey(int question) {
  return static_cast<char>('A' + question % 3);
}

// Puts a value into a cell of a page's click grid and writes the grid file. Call it
// before the game is created (TestGame::Create), as the game opens the file at start.
void PlaceOnGrid(FixtureData& data, int tab, int cell, int value);

// The point of the scene picture that lies in a grid cell (20 cells per column).
QPoint CellPoint(TForm1& form, int cell);

// What the card window leaves behind when it assigns a task: the level's cards done,
// the task's page and virtue, and TaskDone = 1.
void AssignTask(TestGame& test, int tab, int virtue);

// A player's clicks on the main window: a date tab, the Talk button, a cell of the scene.
void ClickTab(TForm1& form, int tab);
void ClickTalk(TForm1& form);
void ClickCell(TForm1& form, int cell);

// A player's clicks in the close-up window.
void ClickNext(TCloseUp& closeUp);
void ClickBack(TCloseUp& closeUp);
void ClickLink(TCloseUp& closeUp, char letter);

// The whole conversation of one answer: the opening pages, the question's topic, the
// question, the answer, and "Next >>" to close.
void AnswerQuestion(TCloseUp& closeUp, int question, char letter);

// One line that shows what the close-up window shows: speech, links (hidden "-",
// greyed "(grey)"), the buttons with "on"/"off", the line to show next and the stage.
std::string DumpCloseUp(TCloseUp& closeUp);

// From a year page on: go to the task's page, switch to talk, click the person's cell
// and answer a question in the close-up window. Returns the close-up window's title.
std::string PlayTaskFromYearPage(TestGame& test, int tab, int cell, int question, char letter);

}  // namespace quenna::testing
