#include "talk/TCloseUp.h"

#include "core/MainForm.h"

namespace quenna {

TCloseUp::TCloseUp(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setFixedSize(625, 420);
  Image1 = new PictureBox(this);
  Image1->setGeometry(8, 3, 380, 380);
  Talk1 = new QLabel(this);
  A = new QLabel(this);
  B = new QLabel(this);
  C = new QLabel(this);
  Next1 = new QPushButton("Next >>", this);
  Exit1 = new QPushButton("&Exit", this);
  OnClick(Exit1, &TCloseUp::Exit1Click);
}

void TCloseUp::CharacterTalks(const std::string& picture, const std::string& file) {
  (void)file;
  Image1->LoadFromFile(context_.data.Resolve(picture));
  context_.platform.ShowModal(*this);
}

void TCloseUp::Exit1Click() { Close(); }

}  // namespace quenna
