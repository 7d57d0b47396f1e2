#pragma once

#include <QObject>

class QAction;

namespace quenna {

class Platform;
class TForm1;

// Before the application is made, with Fit to Screen on (the first time, and until the
// player turns it off): on a screen taller than 768 lines, sets Qt's own scale factor so
// that every window of the game is drawn as designed for 768 lines and scaled up. Text is
// then drawn at the larger size and pictures are scaled smoothly, with nothing moved. The
// screen is read through a short-lived application of its own: Qt takes the factor only
// when an application starts.
void ScaleToScreenAtStart(int argc, char* argv[]);

// What the main window does about the screen it is on: the "Fit to Screen" item of the
// Options menu, F11 for the whole screen and back, and the layout made again from the
// client area the window really has whenever that changes (maximised, below the menu and
// any desktop panel).
class ScreenFit : public QObject {
  Q_OBJECT

 public:
  ScreenFit(TForm1& form, Platform& platform);

  void FitToScreenClick();
  void FullScreenClick();

  QAction* FitToScreen = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TForm1& form_;
  Platform& platform_;
};

// What the player is told on switching Fit to Screen: it takes effect at the next start.
const char* FitToScreenNews(bool on);

}  // namespace quenna
