#pragma once

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <array>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "core/LevelTable.h"
#include "media/PictureBox.h"
#include "store/ScoreLine.h"

namespace quenna {

class MainForm;

// Where the fields of a score line stand in the list, in pixels from the start of the
// line's text: the level, the thirteen virtues and the sum. The heading strip is drawn
// over the same places.
struct ScoreColumns {
  std::array<double, 15> left{};
  std::array<double, 15> right{};
};

// The level list "Select a Level to Replay": the points of every level per virtue,
// the total, and the replay of a level.
class TOption1 : public GameDialog {
  Q_OBJECT

 public:
  TOption1(GameContext& context, MainForm& main, QWidget* parent);

  // Refreshes the list from the level table and recomputes the game's TotalScore.
  // Every change of points runs it, shown or not. All callers pass kLevelListLines.
  void ReadData(const LevelTable& table, int lineCount);

  void ListBox1Click();
  void ReplayClick();
  void Button1Click();  // "Yes"
  void Button2Click();  // "No"
  void Cancel1Click();

  int FirstOpenRow = kLevelListLines;  // lines up to here may be replayed
  int LastReplayLine = 54;             // the last line Replay accepts

  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  PictureBox* Image1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* total = nullptr;
  QPushButton* Replay = nullptr;
  QPushButton* Cancel1 = nullptr;
  QLabel* Warning = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

  const ScoreColumns& Columns() const { return columns_; }
  // The line the player chose, -1 before any.
  int ChosenLine() const;

 protected:
  void FormActivate() override;
  void FormClose() override;
  // Esc presses Cancel1 while it is shown, and does nothing otherwise.
  void reject() override;
  // Keys: Up and Down choose a line wherever the focus is; Enter presses the focused
  // button, else "Yes" over the warning, else Replay for a chosen line, else closes.
  bool KeyDown(QKeyEvent& key);

 private:
  void DrawHeadings();
  // The title sentence "Level N must be played first!" with the first open level.
  void ShowPlayFirst();

  GameContext& context_;
  MainForm& main_;
  ScoreColumns columns_;
};

}  // namespace quenna
