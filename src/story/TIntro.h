#pragma once

#include <QLabel>
#include <QPushButton>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"

namespace quenna {

class MainForm;

// The full-screen window of the two slide shows: the introduction and the ending.
class TIntro : public GameDialog {
  Q_OBJECT

 public:
  TIntro(GameContext& context, MainForm& main, QWidget* parent);

  // Prepare the introduction or the ending; the caller then shows the window modally.
  void SetUpIntro();
  void SetUpEnd();

  void exitbuttonClick();

  QPushButton* exitbutton = nullptr;
  QPushButton* nextbutton = nullptr;
  PictureBox* Image1 = nullptr;
  QLabel* ILabel2 = nullptr;

 private:
  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
