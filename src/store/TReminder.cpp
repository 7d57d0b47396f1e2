#include "store/TReminder.h"

#include "core/MainForm.h"

namespace quenna {

TReminder::TReminder(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), main_(main) {
  setWindowTitle("Reminder");
  resize(275, 239);
  Button1 = new QPushButton("Save First", this);
  Button1->setGeometry(56, 140, 75, 25);
  Button2 = new QPushButton("Quit ", this);
  Button2->setGeometry(144, 140, 75, 25);
  OnClick(Button1, &TReminder::Button1Click);
  OnClick(Button2, &TReminder::Button2Click);
}

void TReminder::Button1Click() { main_.SaveAs1Click(); }

void TReminder::Button2Click() {
  Tag = 1;
  Close();
}

}  // namespace quenna
