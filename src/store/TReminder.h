#pragma once

#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"

namespace quenna {

class MainForm;

// "Save game before you quit?" Its Tag is the answer: 1 lets the program quit.
class TReminder : public GameDialog {
  Q_OBJECT

 public:
  TReminder(GameContext& context, MainForm& main, QWidget* parent);

  int Tag = 0;

  void Button1Click();
  void Button2Click();

  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  MainForm& main_;
};

}  // namespace quenna
