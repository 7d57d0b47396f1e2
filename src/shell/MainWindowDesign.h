#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <string>
#include <utility>
#include <vector>

#include "core/ClickableLabel.h"
#include "media/PictureBox.h"
#include "shell/PlayerOptions.h"
#include "talk/VirtueWordsPanel.h"

namespace quenna {

// The controls and the menu of the main window as they were designed: their captions,
// fonts, colours and places, and how the start-up layout places them for the screen.
// TForm1 is made of them and connects them to its handlers; what they show is its business.
class MainWindowDesign {
 public:
  // Controls, named as the window has always named them.
  QLabel* phlabel = nullptr;
  QLabel* phlabel2 = nullptr;
  QTabBar* Dates = nullptr;
  QFrame* TopPanel = nullptr;
  QFrame* MainPanel = nullptr;
  PictureBox* Image2 = nullptr;
  QFrame* RightPanel = nullptr;
  PictureBox* Narrator = nullptr;
  PictureBox* Virtues = nullptr;
  VirtueWordsPanel* VirtueWords = nullptr;  // a virtue's words, over the chart
  QLabel* Narrate1 = nullptr;
  ClickableLabel* text1 = nullptr;
  QLabel* Scores = nullptr;
  QPlainTextEdit* Narr2 = nullptr;
  QFrame* ControlPanel = nullptr;
  QPushButton* Look = nullptr;
  QPushButton* Talk = nullptr;
  QPushButton* Read1 = nullptr;
  QPushButton* VButton = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Level = nullptr;
  QLabel* SLabel = nullptr;
  QPushButton* Startgame = nullptr;
  QPushButton* Intro1 = nullptr;
  QPushButton* Continue1 = nullptr;  // "Continue": the game the program kept by itself
  QFrame* About = nullptr;
  PictureBox* Image1 = nullptr;

  // Menu items.
  QAction* Introduction1 = nullptr;
  QAction* New1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* CardsOff = nullptr;
  QAction* CardsOn = nullptr;
  QAction* MusicOFF = nullptr;
  QAction* MusicON = nullptr;
  QAction* Score1 = nullptr;
  QAction* Progress1 = nullptr;
  QAction* Contents1 = nullptr;
  QAction* SearchforHelpOn1 = nullptr;
  QAction* HowtoUseHelp1 = nullptr;
  QAction* About1 = nullptr;
  QAction* TipsOn = nullptr;
  QAction* CurrentTask1 = nullptr;
  QAction* HighScore1 = nullptr;

 protected:
  // The title screen's buttons: "Start Game " and "Introduction", with "Continue" below
  // them when there is a game to continue.
  void ShowTitleButtons(bool shown, bool canContinue);
  // The switches' check marks: as the options start, and as the player has set them.
  void ShowOptions(const PlayerOptions& options);
  PlayerOptions CheckedOptions() const;
  // A text in the tip label, with the portrait beside it.
  void ShowInPanel(const std::string& text);
  // How much of the virtue chart can be seen: down to the control panel when it shows.
  int ChartSeenHeight() const;

  // Builds every control and the menu in the window, in their state at creation.
  void SetUpDesign(QMainWindow& window);
  // The start-up layout for a screen of this size: fixed fractions of the height, with
  // the rules above 768 lines, at most 600 and exactly 600.
  void LayOutForScreen(int width, int height);

 private:
  // A later layout (the window changed size) starts again from the designed fonts, sizes
  // and places that the rules for some heights change.
  void RestoreDesign();
  void SetUpTitleWords(QWidget* client);
  void SetUpDateBook(QWidget* client);
  void SetUpRightPanel(QWidget* client);
  void SetUpControlPanel();
  void SetUpTitleButtons(QWidget* client);
  void SetUpAbout(QWidget* client);
  void SetUpMenu(QMenuBar& bar, const QFont& font);

  std::vector<std::pair<QWidget*, QFont>> designFonts_;
};

}  // namespace quenna
