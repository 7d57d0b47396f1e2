#pragma once

#include <QLabel>
#include <QPushButton>

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"
#include "story/BevelPanel.h"

namespace quenna {

class MainForm;

// The full-screen window of the two slide shows: the introduction, from the title screen
// or the File menu, and the ending after the last level. Each accepted click on "Next >>"
// performs one step: a new picture, a pan across the classroom, a line of text.
class TIntro : public GameDialog {
  Q_OBJECT

 public:
  TIntro(GameContext& context, MainForm& main, QWidget* parent);

  // Lays the window out for the screen, once, when the window is made.
  void FormCreate();

  // Prepare the introduction or the ending; the caller then shows the window modally.
  void SetUpIntro();
  void SetUpEnd();

  void nextbuttonClick();
  void Next2Click();
  void exitbuttonClick();

  // Controls, named as the window has always named them.
  BevelPanel* Panel1 = nullptr;  // frame of the picture
  QWidget* Panel3 = nullptr;     // the inside of the frame: the picture and the small-screen text
  PictureBox* Image1 = nullptr;
  QLabel* ILabel = nullptr;         // text on the picture (screens under 600 lines)
  BevelPanel* BackPanel = nullptr;  // frame of the text
  BevelPanel* Panel2 = nullptr;     // white text box
  QLabel* ILabel2 = nullptr;        // text in the text box
  QPushButton* exitbutton = nullptr;
  QPushButton* nextbutton = nullptr;  // steps of the introduction
  QPushButton* Next2 = nullptr;       // steps of the ending

  // The label that carries the slide text, chosen by the layout.
  QLabel* TextLabel = nullptr;
  // The step the next accepted Next click performs.
  std::int32_t IntroStep = 1;
  // 1 once the ending is set up: Exit then also stops the sound.
  std::int32_t EndingMode = 0;
  // Time of the last accepted Next click of either show; 0 until the first.
  std::int64_t LastNextTime = 0;
  int ScreenHeight = 0;

 protected:
  void FormActivate() override;
  void FormClose() override;
  // Esc leaves the show as Exit does.
  void reject() override;

 private:
  enum class Show { Introduction, Ending };

  void NextClick(Show show);
  void IntroductionStep(int step);
  void EndingStep(int step);
  void ShowSlide(std::string_view picture, std::string_view text);
  void LoadPicture(std::string_view picture);
  void SetText(std::string_view text);
  void Pan(int dx, int dy);
  void Repaint();
  void Wait(int milliseconds);

  GameContext& context_;
  // A step lets window messages run while it repaints; a Next click that arrives then is
  // kept here and taken, through the click gate, when the step is over.
  bool stepRunning_ = false;
  std::optional<Show> deferredClick_;
};

}  // namespace quenna
