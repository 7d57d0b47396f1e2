#include "cards/TPlayCards.h"

#include "core/MainForm.h"

namespace quenna {

TPlayCards::TPlayCards(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle(
      "In the inside cover of the strange book, there is a pocket, with playing cards tucked "
      "inside...");
  setFixedSize(633, 422);
  Image1 = new PictureBox(this);
  Image1->setGeometry(0, 0, 632, 424);
  Continue = new QPushButton("Continue", this);
  Continue->move(289, 394);
  Continue->hide();
}

}  // namespace quenna
