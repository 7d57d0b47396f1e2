#include "story/TIntro.h"

#include "core/MainForm.h"

namespace quenna {

TIntro::TIntro(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  const ScreenSize screen = context_.platform.Screen();
  resize(screen.width, screen.height);
  Image1 = new PictureBox(this);
  Image1->SetAutoSize(true);
  ILabel2 = new QLabel(this);
  ILabel2->setWordWrap(true);
  exitbutton = new QPushButton("Exit", this);
  nextbutton = new QPushButton("Next >>", this);
  OnClick(exitbutton, &TIntro::exitbuttonClick);
}

void TIntro::SetUpIntro() {}
void TIntro::SetUpEnd() {}
void TIntro::exitbuttonClick() { Close(); }

}  // namespace quenna
