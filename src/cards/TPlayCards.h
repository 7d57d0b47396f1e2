#pragma once

#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"

namespace quenna {

class MainForm;

// The card window: the virtue card patience, the hero's speeches and the level's task.
class TPlayCards : public GameDialog {
  Q_OBJECT

 public:
  TPlayCards(GameContext& context, MainForm& main, QWidget* parent);

  // Counters the main window reads and sets.
  int DealCount = 0;         // deals in this card game; 99 asks for a fresh game
  int CardRoundsDone = 0;    // card rounds completed; picks the task's person
  int CardRoundDone = 0;     // 1 once this level's card game is won or skipped
  int TableNotDealt = 99;    // nonzero until the first deal of a fresh game

  PictureBox* Image1 = nullptr;
  QPushButton* Continue = nullptr;

 private:
  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
