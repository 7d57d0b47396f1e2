// Moving through the date book and from level to level.
#include "cards/TPlayCards.h"
#include "core/GameFiles.h"
#include "core/WorldTables.h"
#include "media/Cursors.h"
#include "shell/Game.h"
#include "shell/MainWindowRules.h"
#include "shell/TForm1.h"
#include "store/ScoreLine.h"
#include "store/THighScores.h"
#include "store/TOption1.h"
#include "store/TProgress.h"
#include "store/TSaveFirst.h"
#include "story/TIntro.h"
#include "talk/AnswerScoring.h"

namespace quenna {
namespace {
constexpr const char* kCoverHint = "Click on the book for playing cards";
}  // namespace

void TForm1::DatesChange() {
  state_.GameSaved = false;
  ClearRight(2);
  const int tab = Dates->currentIndex();
  if (tab == kCoverTab) {
    ControlPanel->hide();
    NewRoom(kCoverTab);
    return;
  }
  ControlPanel->show();
  ChangeCursor(state_.ActionMode);
  NewRoom(tab);
}

void TForm1::NewRoom(int tab) {
  state_.CurrentTab = static_cast<std::int8_t>(tab);
  NarrationLoaded = 0;
  if (ScreenHeight == 600) PositionScreen(tab);
  if (tab == kCoverTab) {
    DrawPic(PagePicture(kCoverTab, ScreenHeight));
    Image2->setCursor(GameCursor(kHandCursor));
    Image2->setToolTip(kCoverHint);
    Tips(kCoverTip);
    return;
  }
  DrawPic(PagePicture(tab, ScreenHeight));
  Tips(TipModeFor(tab, state_.TaskTab));
  Image2->setToolTip({});
  ReadMessages();
}

void TForm1::PositionScreen(int tab) {
  const DateTab& page = kDateTabs.at(static_cast<std::size_t>(tab));
  Image2->move(page.offsetLeft, page.offsetTop);
}

void TForm1::DateCaption() {
  if (state_.CurrentTab == kCoverTab) return;
  const DateTab& page = kDateTabs.at(static_cast<std::size_t>(state_.CurrentTab));
  Narrate1->setText(
      QString::fromUtf8(page.dateCaption.data(), static_cast<int>(page.dateCaption.size())));
}

void TForm1::CoverClick() {
  ClearRight(1);
  TPlayCards& cards = game_.PlayCards();
  if (state_.CardsDisabled == 1) SkipCardGame(cards.Round, state_.LevelTable, state_.CurrentLevel);
  ShowModalWindow(cards);
  if (state_.TaskTab != 0) TaskGiven();
}

void TForm1::TaskGiven() {
  autosave_.Keep(state_, game_.PlayCards().Round);
  CurrentTaskClick();
  ShowNotice();
}

void TForm1::CurrentTaskClick() {
  ClearRight(1);
  ShowInPanel(TaskInSight(state_.TaskTab, state_.TaskVirtue));
}

void TForm1::LevelEnd() {
  if (state_.TaskDone == 0) return;
  context_.journal.LevelEnded(state_.CurrentLevel, state_.LevelTable, state_.TotalScore);
  ClearRight(1);
  SelectTab(kCoverTab);
  NewRoom(kCoverTab);
  state_.TaskTab = 0;
  Talk->setEnabled(false);
  ExtraPoints();
  TextBuffer += kNextLevelInvitation;
  state_.TaskVirtue = 0;
  ShowInPanel(TextBuffer);
  game_.PlayCards().Round.NewLevel();
  NextLevel();
  UpdateScores();
  ChangeCursor(kHandMode);
  autosave_.Keep(state_, game_.PlayCards().Round);
  ShowNotice();
  if (state_.CurrentLevel >= LevelTable::kLastLevelPlayed + 1) GameEnd();
}

void TForm1::GameEnd() {
  autosave_.Forget();  // the game is over: nothing is left to continue
  Scores->setText("Congratulations on completing the game!");
  Playit(kThemeSound, kSoundAsync);
  context_.platform.ProcessMessages();
  context_.platform.Pause(500);
  game_.Intro().SetUpEnd();
  context_.platform.ProcessMessages();
  ShowModalWindow(game_.Intro());
  game_.HighScores().NewScore(state_.TotalScore);
  ShowModalWindow(game_.HighScores());
  Image2->LoadFromFile(context_.data.Resolve(kTitlePicture));
  context_.platform.ProcessMessages();
  context_.platform.Pause(1000);
  state_.GameStarted = false;
  close();
}

void TForm1::StartgameClick() {
  Initialize(true);
  TitleDone = 1;
  context_.journal.GameStarted(GameStartKind::kStartGame);
}

void TForm1::Continue1Click() {
  Continue1->hide();  // a damaged autosave is set aside: there is nothing left to continue
  const SavedGame saved = autosave_.Open();
  Initialize(false);
  TitleDone = 1;
  OpenGame(autosave_.File(), saved);
}

void TForm1::Intro1Click() {
  ShowTitleButtons(false, false);
  game_.Intro().SetUpIntro();
  ShowModalWindow(game_.Intro());
  ShowTitleButtons(true, autosave_.Exists());
}

void TForm1::Introduction1Click() {
  ClearRight(1);
  game_.Intro().SetUpIntro();
  ShowModalWindow(game_.Intro());
  NewRoom(kCoverTab);
  SelectTab(kCoverTab);
  RightPanel->show();
  Dates->show();
}

void TForm1::New1Click() {
  const NewGameStart start = NewGameStartFor(state_.LevelTable, game_.PlayCards().Round.Dealt());
  if (start == NewGameStart::kAtOnce) {
    state_.CurrentLevel = 1;
    Initialize(true);
    TitleDone = 1;
    NewRoom(kCoverTab);
    SelectTab(kCoverTab);
    context_.journal.GameStarted(GameStartKind::kNewGame);
    return;
  }
  if (start == NewGameStart::kAfterAsking) {
    TSaveFirst& prompt = game_.SaveFirst();
    prompt.Tag = 0;
    ShowModalWindow(prompt);
    if (prompt.Tag == 0) return;
    state_.LevelTable.Clear();
    state_.AnsweredFlags.Clear();
  }
  context_.journal.GameStarted(GameStartKind::kNewGame);
  NewRoom(kCoverTab);
  SelectTab(kCoverTab);
  ResetScore(1);
  Virtues->LoadFromFile(context_.data.Resolve(kVirtueChartPicture));
}

void TForm1::CardsOffClick() {
  CardsOn->setChecked(false);
  CardsOff->setChecked(true);
  state_.CardsDisabled = 1;
}

void TForm1::CardsOnClick() {
  CardsOn->setChecked(true);
  CardsOff->setChecked(false);
  state_.CardsDisabled = 0;
}

void TForm1::Score1Click() {
  game_.Option1().ReadData(state_.LevelTable, kLevelListLines);
  ShowModalWindow(game_.Option1());
}

void TForm1::Progress1Click() {
  ShowModalWindow(game_.Progress());
}

void TForm1::HighScore1Click() {
  ShowModalWindow(game_.HighScores());
}

}  // namespace quenna
