#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVariantAnimation>

#include <array>
#include <string>
#include <vector>

#include "cards/CardPictures.h"
#include "cards/CardRound.h"
#include "cards/CardTable.h"
#include "core/GameContext.h"
#include "core/GameDialog.h"
#include "media/PictureBox.h"

namespace quenna {

class CardTableLayer;
class MainForm;

// The card window: the virtue card patience, the hero's speeches and the level's task.
// It has two views: the table (the cards, "Help", "Hint", "Deal Cards", " Redeal") and
// the speech view (the hero's picture, his words and "Continue"). The rules of the
// table and of the coach live in CardTable and CardCoach; this window shows them.
//
// A card is moved by a press on it and a press on a gap, by dragging it onto the gap, or
// from the keyboard: the arrow keys move a cursor over the places, Enter or Space press
// where it stands, and D, R, H and C press "Deal Cards", " Redeal", "Hint" and
// "Continue". All of them end in the same press on the table (CardRound::Press).
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
  void Statistics1Click();

  // Draws all 42 places of the table as the layout holds them.
  void DisplayCards();

  // What the table shows over the cards: the gaps lit for the lifted card, and the
  // keyboard's cursor (kNoSlot while it is hidden).
  const std::vector<int>& HighlightedGaps() const;
  int CursorSlot() const;

  // The lights of a won table, before the hero congratulates. They end by themselves
  // after CelebrationMilliseconds, or at once on a click or a key.
  bool Celebrating() const { return celebrating_; }
  void EndCelebration();
  int CelebrationMilliseconds = 1500;

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
  QAction* Statistics1 = nullptr;

 protected:
  void FormActivate() override;
  bool FormCloseQuery() override;
  void FormClose() override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NewDeck();
  void Shuffle();
  // A press on a place, from the mouse, a drop or the keyboard.
  CardPress TablePress(int slot);
  void Image1MouseMove(QPoint at);
  void Image1MouseUp(QPoint at);
  bool TableKey(QObject* from, int key);
  void PutBackHeldCard();
  // Tells the layer over the table what to show: the lifted card's marks, the card in
  // hand, the cursor.
  void ShowMarks();
  void ShowHint(const std::string& text);
  void StartCelebration();
  void RecordWin();
  // The default button and the focus of the view that shows.
  void FocusDefault();
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
  // The skill items from the easiest, numbered as the settings keep the skill.
  std::array<QAction*, 3> SkillItems() const;
  // Checks one skill and keeps it for the next run.
  void SetSkill(QAction* chosen);

  GameContext& context_;
  MainForm& main_;
  CardTableLayer* layer_ = nullptr;
  QVariantAnimation* celebration_ = nullptr;
  bool celebrating_ = false;
  // The keyboard's cursor: it shows once a key is used on the table, and hides on a press.
  int cursor_ = 0;
  bool cursorShown_ = false;
  // The card in hand follows the pointer, or the cursor when a key moved it last.
  bool heldByKeys_ = false;
  QPoint pointer_;
  QPoint grabOffset_;  // where on the card the pointer took it
  // A press that lifted a card turns into a drag once the pointer moves far enough.
  bool pressed_ = false;
  bool dragging_ = false;
  QPoint pressAt_;
};

}  // namespace quenna
