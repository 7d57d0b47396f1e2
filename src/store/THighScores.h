#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"

namespace quenna {

class MainForm;

// "Hall of Fame": the ten best scores, and the name entry at the end of the game.
class THighScores : public GameDialog {
  Q_OBJECT

 public:
  THighScores(GameContext& context, MainForm& main, QWidget* parent);

  // Prepares the name entry for a final score; the caller then shows the window.
  void NewScore(int score);

  void Button2Click();

  int Tag = 0;  // the score waiting to be entered
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
