#include "store/THighScores.h"

#include "core/MainForm.h"

namespace quenna {

THighScores::THighScores(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle("Hall of Fame");
  setFixedSize(442, 440);
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(40, 85, 193, 24);
  Edit1->hide();
  Button1 = new QPushButton("Enter Your Name", this);
  Button1->setGeometry(270, 88, 123, 25);
  Button1->hide();
  Button2 = new QPushButton("Exit", this);
  Button2->setGeometry(168, 128, 137, 33);
  OnClick(Button2, &THighScores::Button2Click);
}

void THighScores::NewScore(int score) {
  Edit1->show();
  Button1->show();
  Button2->hide();
  Tag = score;
}

void THighScores::Button2Click() { Close(); }

}  // namespace quenna
