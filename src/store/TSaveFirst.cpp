#include "store/TSaveFirst.h"

#include "core/MainForm.h"

namespace quenna {

TSaveFirst::TSaveFirst(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), main_(main) {
  setWindowTitle("Start New Game");
  resize(389, 300);
  Button1 = new QPushButton("Save First", this);
  Button1->setGeometry(72, 172, 75, 25);
  Button2 = new QPushButton("Start New Game", this);
  Button2->setGeometry(184, 172, 113, 25);
  OnClick(Button1, &TSaveFirst::Button1Click);
  OnClick(Button2, &TSaveFirst::Button2Click);
}

void TSaveFirst::Button1Click() {
  main_.SaveAs1Click();
  Tag = 1;
  Close();
}

void TSaveFirst::Button2Click() {
  Tag = 1;
  Close();
}

}  // namespace quenna
