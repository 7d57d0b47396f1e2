#pragma once

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "store/HighScoreTable.h"

namespace quenna {

class MainForm;

// "Hall of Fame": the ten best scores, and the name entry at the end of the game. The
// table lives as long as the program; the "HighScores" file in the player's folder is
// its only lasting copy, read each time the window is shown.
class THighScores : public GameDialog {
  Q_OBJECT

 public:
  THighScores(GameContext& context, MainForm& main, QWidget* parent);

  // Prepares the name entry for a final score; the caller then shows the window.
  void NewScore(int score);
  // Reads the file into the table and shows the table.
  void ShowScores();

  // A typed space becomes "_": names are stored as blank-delimited words.
  void Edit1KeyPress(QChar& key);
  void Button1Click();  // "Enter Your Name"
  void Button2Click();  // "Exit"

  std::filesystem::path FilePath() const;

  int Tag = 0;  // the score waiting to be entered
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  std::array<QLabel*, HighScoreTable::kSlots> L{};  // names of slots 0..9 (L1..L10)
  std::array<QLabel*, HighScoreTable::kSlots> S{};  // scores of slots 0..9 (S1..S10)

 protected:
  void FormActivate() override;
  // Esc closes the table, but never the name entry: the final score would be lost.
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Keys, while the table shows: Up and Down choose a line (drawn in navy), Enter closes.
  bool KeyDown(QKeyEvent& key);

 private:
  // The window is laid out for 120 pixels per inch and scaled to the screen's.
  int Scaled(int pixels) const;

  GameContext& context_;
  MainForm& main_;
  HighScoreTable table_;
  // The file was not read whole when it was last read; its next rewrite keeps a copy.
  bool fileDamaged_ = false;
  int pixelsPerInch_ = 120;
  int chosenSlot_ = -1;
};

}  // namespace quenna
