#pragma once

#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"

namespace quenna {

class MainForm;

// "Save game first?" before New Game throws the game away. Its Tag is the answer:
// 1 lets the new game go ahead, 0 abandons it.
class TSaveFirst : public GameDialog {
  Q_OBJECT

 public:
  TSaveFirst(GameContext& context, MainForm& main, QWidget* parent);

  int Tag = 0;

  void Button1Click();
  void Button2Click();

  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  MainForm& main_;
};

}  // namespace quenna
