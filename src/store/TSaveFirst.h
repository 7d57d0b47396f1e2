#pragma once

#include <QLabel>
#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"

namespace quenna {

class MainForm;

// "Save game first?" before New Game throws the game away. Its Tag is the answer: the
// caller sets it to 0, and 1 afterwards lets the new game go ahead; the close box
// leaves it 0 and abandons the new game.
class TSaveFirst : public GameDialog {
  Q_OBJECT

 public:
  TSaveFirst(GameContext& context, MainForm& main, QWidget* parent);

  int Tag = 0;

  void Button1Click();  // "Save First"
  void Button2Click();  // "Start New Game"

  QLabel* Panel1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  MainForm& main_;
};

}  // namespace quenna
