#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <string>

#include "cards/CardPictures.h"
#include "cards/CardRound.h"
#include "cards/CardTable.h"
#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"

namespace quenna {

class MainForm;

// The card window: the virtue card patience, the hero's speeches and the level's task.
// It has two views: the table (the cards, "Help", "Hint", "Deal Cards", " Redeal") and
// the speech view (the hero's picture, his words and "Continue"). The rules of the
// table and of the coach live in CardTable and CardCoach; this window shows them.
class TPlayCards : public GameDialog {
  Q_OBJECT

 public:
  TPlayCards(GameContext& context, MainForm& main, QWidget* parent);

  // Handlers.
  void DealCardsClick();
  void RedealClick();
  void Image1MouseDown(int x, int y);
  void HintBtnClick();
  void MoreInfoClick();
  void ContinueClick();
  void Easy1Click();
  void Medium1Click();
  void Difficult1Click();

  // Draws all 42 places of the table as the layout holds them.
  void DisplayCards();

  // The deals, the rounds and the chosen card; the main window changes them only through
  // their named operations.
  CardRound Round;

  // The window's own counters.
  int RedealCount = 0;
  int HintShown = 0;
  int HelpStep = 0;        // 0 no help speech; 1..4 the next step of it
  int SpeechKind = 0;      // 0 the help speech; 1 the congratulation or the task
  int DrawX = kPatchLeft;  // where the next picture goes on the table
  int DrawY = kPatchTop;

  // The table: it lasts for the whole run, from one card game to the next.
  CardTable Cards = NewCardTable();

  PictureBox* Image1 = nullptr;
  QPushButton* MoreInfo = nullptr;
  QPushButton* HintBtn = nullptr;
  QPushButton* DealCards = nullptr;
  QPushButton* Redeal = nullptr;
  QLabel* Hint = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* RLabel = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Points = nullptr;
  PictureBox* OrnPic = nullptr;
  QLabel* OrnTalks = nullptr;
  QPushButton* Continue = nullptr;
  QMenuBar* MainMenu1 = nullptr;
  QMenu* Difficulty1 = nullptr;
  QAction* Easy1 = nullptr;
  QAction* Medium1 = nullptr;
  QAction* Difficult1 = nullptr;

 protected:
  void FormActivate() override;
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;

 private:
  void NewDeck();
  void Shuffle();
  void GetImage(int slot);
  void DrawImage(const std::string& name);
  void DrawCard(int slot);
  int Blocked();
  // After a deal, a redeal or a move: offers " Redeal" when no move is left, and turns
  // to the congratulation when the table is won.
  void CheckTable();
  void Calc();
  void WinCredit();
  void HideHint();
  void ShowOrn(bool congratulate);
  void OrnSpeak();
  void AssignTask();
  void ShowTableView();
  void ShowSpeechView();
  void SetSkill(QAction* chosen);

  GameContext& context_;
  MainForm& main_;
};

}  // namespace quenna
