#pragma once

#include <QLabel>
#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"

namespace quenna {

class MainForm;

// "Save game before you quit?" Its Tag is the answer: the caller sets it to 0, and 1
// afterwards lets the program quit. "Save First" saves and leaves the prompt open, so
// the player still chooses to quit or, with the close box, to stay.
class TReminder : public GameDialog {
  Q_OBJECT

 public:
  TReminder(GameContext& context, MainForm& main, QWidget* parent);

  int Tag = 0;

  void Button1Click();  // "Save First"
  void Button2Click();  // "Quit "

  QLabel* Panel1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 private:
  MainForm& main_;
};

}  // namespace quenna
