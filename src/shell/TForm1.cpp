#include "shell/TForm1.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>

#include "cards/TPlayCards.h"
#include "core/GameDialog.h"
#include "core/GameFiles.h"
#include "core/RunHandler.h"
#include "core/WidgetStyle.h"
#include "core/WorldTables.h"
#include "media/Cursors.h"
#include "scene/SceneClicks.h"
#include "shell/AboutPicture.h"
#include "shell/Game.h"
#include "shell/GameIcon.h"
#include "shell/MainWindowRules.h"
#include "store/TReminder.h"

namespace quenna {

TForm1::TForm1(Game& game, GameContext& context)
    : game_(game),
      context_(context),
      state_(context.state),
      autosave_(context.userFolder, context.journal),
      dialogs_(context.platform, context.userFolder) {
  setWindowTitle(kGameTitle);
  setWindowIcon(QIcon(QPixmap::fromImage(GameIcon(64))));
  setFont(TimesFont(13));
  SetUpDesign(*this);
  ConnectControls();
  const PlayerOptions options = ReadPlayerOptions(context.platform);
  ShowOptions(options);
  state_.CardsDisabled = options.cardGame ? 0 : 1;
  context.music.SetMusicOn(options.music);
  SetUpKeys();
}

TForm1::~TForm1() = default;

void TForm1::Guarded(const std::function<void()>& handler) {
  RunHandler(context_.platform, handler);
}

void TForm1::ConnectControls() {
  auto onClick = [this](auto* control, auto signal, void (TForm1::*handler)()) {
    connect(control, signal, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  connect(Dates, &QTabBar::currentChanged, this, [this] { Guarded([this] { DatesChange(); }); });
  connect(Image2, &PictureBox::MouseDown, this, [this](Qt::MouseButton button, int x, int y) {
    Guarded([=, this] { Image2MouseDown(button, x, y); });
  });
  connect(Virtues, &PictureBox::MouseDown, this, [this](Qt::MouseButton, int x, int y) {
    Guarded([=, this] { VirtuesMouseDown(x, y); });
  });
  onClick(text1, &ClickableLabel::Clicked, &TForm1::text1Click);
  onClick(Image1, &PictureBox::Clicked, &TForm1::Image1Click);
  onClick(Look, &QPushButton::clicked, &TForm1::LookClick);
  onClick(Talk, &QPushButton::clicked, &TForm1::TalkClick);
  onClick(Read1, &QPushButton::clicked, &TForm1::Read1Click);
  onClick(VButton, &QPushButton::clicked, &TForm1::VButtonClick);
  onClick(Startgame, &QPushButton::clicked, &TForm1::StartgameClick);
  onClick(Intro1, &QPushButton::clicked, &TForm1::Intro1Click);
  onClick(Continue1, &QPushButton::clicked, &TForm1::Continue1Click);

  const std::pair<QAction*, void (TForm1::*)()> menu[] = {
      {Introduction1, &TForm1::Introduction1Click},
      {New1, &TForm1::New1Click},
      {Open1, &TForm1::Open1Click},
      {SaveAs1, &TForm1::SaveAs1Click},
      {Exit1, &TForm1::Exit1Click},
      {CardsOff, &TForm1::CardsOffClick},
      {CardsOn, &TForm1::CardsOnClick},
      {MusicOFF, &TForm1::MusicOFFClick},
      {MusicON, &TForm1::MusicONClick},
      {Score1, &TForm1::Score1Click},
      {Progress1, &TForm1::Progress1Click},
      {Contents1, &TForm1::Contents1Click},
      {About1, &TForm1::About1Click},
      {TipsOn, &TForm1::TipsOnClick},
      {CurrentTask1, &TForm1::CurrentTaskClick},
      {HighScore1, &TForm1::HighScore1Click}};
  // Plain copies, not structured bindings: older compilers cannot capture those.
  for (const auto& item : menu) {
    QAction* action = item.first;
    auto handler = item.second;
    connect(action, &QAction::triggered, this, [this, action, handler] {
      // The handlers own the check marks, as they always did: Qt's own toggle of a
      // checkable item is undone before the handler runs.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      Guarded([this, handler] { (this->*handler)(); });
      // The switches start next time as the player leaves them.
      if (action->isCheckable()) WritePlayerOptions(context_.platform, CheckedOptions());
    });
  }
}

void TForm1::FormCreate() {
  // The cursors are the program's own pictures (media/Cursors), made when first used.
  context_.platform.ProcessMessages();
  Playit(kThemeSound, kSoundAsync);
  ChangeCursor(kHandMode);
  Image2->LoadFromFile(context_.data.Resolve(kTitlePicture));
  HighScore1->setVisible(true);
  Narrator->LoadFromFile(context_.data.Resolve(kHeroPortrait));
  Virtues->LoadFromFile(context_.data.Resolve(kVirtueChartPicture));
  StartupLayout();
}

void TForm1::StartupLayout() {
  const ScreenSize screen = context_.platform.Screen();
  ScreenHeight = screen.height;
  ScreenWidth = screen.width;
  LayOutForScreen(ScreenWidth, ScreenHeight);
}

void TForm1::LayOutForClientArea(int width, int height) {
  if (width <= 0 || height <= 0 || (width == ScreenWidth && height == ScreenHeight)) return;
  ScreenWidth = width;
  ScreenHeight = height;
  LayOutForScreen(width, height);
  if (Startgame->isVisibleTo(this)) {
    // The title words rest where their slide would have ended on this size.
    const int step = TitleSlideStep(ScreenHeight);
    for (int x = TitleSlideStart(ScreenHeight); ScreenWidth - phlabel->width() > x; x += step) {
      phlabel->move(x, phlabel->y());
      phlabel2->move(x, phlabel2->y());
    }
  }
  if (!RightPanel->isVisibleTo(this)) return;
  if (ScreenHeight < 700) {
    phlabel->hide();
    phlabel2->hide();
  }
  Guarded([this] {
    if (ScreenHeight == 600) PositionScreen(state_.CurrentTab);
    DrawPic(PagePicture(state_.CurrentTab, ScreenHeight));
    CellSize = CellSizeFor(Image2->height(), ScreenHeight);
  });
}

void TForm1::FormActivate() {
  if (TitleDone != 0) return;
  const int step = TitleSlideStep(ScreenHeight);
  for (int x = TitleSlideStart(ScreenHeight); ScreenWidth - phlabel->width() > x; x += step) {
    phlabel->move(x, phlabel->y());
    phlabel2->move(x, phlabel2->y());
    context_.platform.Pause(80);
    context_.platform.ProcessMessages();
  }
  ShowTitleButtons(true, autosave_.Exists());
}

void TForm1::Initialize(bool keepTab) {
  ShowTitleButtons(false, false);
  RightPanel->show();
  Dates->show();
  if (ScreenHeight < 700) {
    phlabel->hide();
    phlabel2->hide();
  }
  MainPanel->setEnabled(true);
  Introduction1->setEnabled(true);
  context_.platform.ProcessMessages();
  Image2->setEnabled(true);
  Tips(kCoverTip);
  NewRoom(keepTab ? state_.CurrentTab : kCoverTab);
  CellSize = CellSizeFor(Image2->height(), ScreenHeight);
  Image2->show();
  state_.TaskDone = 0;
  state_.GameStarted = true;
  context_.platform.ProcessMessages();
  SaveAs1->setEnabled(true);
  CurrentTask1->setEnabled(true);
}

void TForm1::Tips(int mode) {
  // Whether the player may talk here does not depend on the tips being shown.
  if (mode == kNoTalkTip) Talk->setEnabled(false);
  if (mode == kTalkTip) Talk->setEnabled(true);
  const std::string tip = TipText(mode, state_.TaskTab, state_.CardsDisabled, state_.TaskVirtue);
  const bool shown = TipsOn->isChecked() && !tip.empty();
  if (shown) {
    if (mode == kTalkTip) TextBuffer = tip;  // this tip has always gone through the buffer
    Scores->setText(QString::fromStdString(tip));
  }
  Narrator->setVisible(shown);
  Scores->setVisible(shown);
}

void TForm1::TipsOnClick() {
  TipsOn->setChecked(!TipsOn->isChecked());
  Tips(TipModeFor(state_.CurrentTab, state_.TaskTab));
}

void TForm1::ClearRight(int mode) {
  Narrate1->hide();
  Narr2->hide();
  text1->hide();
  Read1->setEnabled(true);
  NarrationLoaded = 0;
  VirtueWords->hide();
  if (mode != 0) Virtues->hide();
  if (mode != 2) {
    Narrator->hide();
    Scores->hide();
  }
}

void TForm1::About1Click() {
  // Painted the first time the box is opened rather than while the title is waiting.
  if (Image1->Picture().isNull()) Image1->SetPicture(AboutPicture());
  About->show();
  About->raise();
  context_.platform.ProcessMessages();
}

void TForm1::Image1Click() {
  About->hide();
}

void TForm1::Exit1Click() {
  close();
}

void TForm1::SessionEnding() {
  sessionEnding_ = true;
  // The modal windows go first. A prompt that was asking whether to quit thereby lets the
  // main window close.
  CloseModalWindows();
  close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  Guarded([&] { mayClose = FormCloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  Guarded([this] { FormClose(); });
  event->accept();
}

void TForm1::FormClose() {
  context_.platform.ProcessMessages();
  if (context_.music.KeepMusic() == 0) StopMusic();
  // Before a game starts there is nothing to keep, and no card window to make for it.
  if (state_.GameStarted) autosave_.Keep(state_, game_.PlayCards().Round);
}

void TForm1::ShowModalWindow(QWidget& window) {
  if (sessionEnding_) return;
  context_.platform.ShowModal(window);
  // Closing a window of the game makes the main window the active one again.
  if (isVisible()) FormActivate();
}

void TForm1::SelectTab(int tab) {
  const QSignalBlocker quiet(Dates);
  Dates->setCurrentIndex(tab);
}

void TForm1::ShowNotice() {
  const std::string notice = autosave_.Notice();
  if (notice.empty()) return;
  // After what the panel shows already, such as the level message.
  ShowInPanel((Scores->isVisible() ? Scores->text().toStdString() + "\n\n" : "") + notice);
}

// Pictures, sounds and help.

void TForm1::DrawPic(std::string_view scenePicture) {
  Image2->LoadFromFile(context_.data.Resolve(scenePicture));
  context_.platform.ProcessMessages();
}

void TForm1::Playit(std::string_view soundFile, int flags) {
  context_.music.Playit(soundFile, flags);
}

void TForm1::StopMusic() {
  context_.music.StopMusic();
}

void TForm1::MusicONClick() {
  MusicON->setChecked(true);
  MusicOFF->setChecked(false);
  context_.music.SetMusicOn(true);
  Playit(kThemeSound, kSoundAsync);
}

void TForm1::MusicOFFClick() {
  MusicON->setChecked(false);
  MusicOFF->setChecked(true);
  context_.music.SetMusicOn(false);
  StopMusic();
}

void TForm1::Contents1Click() {
  context_.platform.ShowHelp(*this, context_.data.Resolve(kHelpFile));
}

}  // namespace quenna
