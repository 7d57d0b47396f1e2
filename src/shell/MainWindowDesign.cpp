#include "shell/MainWindowDesign.h"

#include <QMenuBar>

#include <algorithm>

#include "core/ScreenFraction.h"
#include "core/WidgetStyle.h"
#include "core/WorldTables.h"

namespace quenna {
namespace {

// The scene frame: a lowered bevel 3 pixels wide inside a 6-pixel border.
constexpr int kMainPanelInset = 3 + 6;
// Designed places and sizes that the rules for some screen heights change.
constexpr QPoint kImage2Place(12, 12);
constexpr int kDatesTop = 3;
constexpr int kText1Top = 121;
constexpr int kAboutTop = 112;
constexpr QSize kModeButton(89, 33);
constexpr QSize kTitleButton(120, 33);
// Room left between a text and the control panel below it.
constexpr int kTextGap = 8;

QPushButton* MakeButton(const QString& caption, QWidget* parent, const QFont& font, int width,
                        int height) {
  auto* button = new QPushButton(caption, parent);
  button->setFont(font);
  button->resize(width, height);
  button->setFocusPolicy(Qt::TabFocus);
  return button;
}

QLabel* MakeLabel(const QString& caption, QWidget* parent, const QFont& font, const QColor& color) {
  auto* label = new QLabel(caption, parent);
  label->setFont(font);
  SetTextColor(label, color);
  label->adjustSize();
  return label;
}

}  // namespace

void MainWindowDesign::ShowInPanel(const std::string& text) {
  Scores->setText(QString::fromStdString(text));
  Narrator->show();
  Scores->show();
}

int MainWindowDesign::ChartSeenHeight() const {
  return (ControlPanel->isVisible() ? ControlPanel->y() : RightPanel->height()) - Virtues->y();
}

void MainWindowDesign::SetUpDesign(QMainWindow& window) {
  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  SetBackground(client, kSilver);
  window.resize(644, 444 + 24);
  // Later controls lie above earlier ones.
  SetUpTitleWords(client);
  SetUpDateBook(client);
  SetUpRightPanel(client);
  SetUpControlPanel();
  SetUpTitleButtons(client);
  SetUpAbout(client);
  // The title words are drawn below every panel: they slide out from behind the
  // scene picture on the title screen, and the right-hand panel covers them later.
  phlabel->lower();
  phlabel2->lower();
  SetUpMenu(*window.menuBar(), window.font());
}

void MainWindowDesign::SetUpTitleWords(QWidget* client) {
  phlabel = MakeLabel("Varnel Games", client, TimesFont(96, true, true), kNavy);
  phlabel->setWordWrap(true);
  phlabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  phlabel->setGeometry(0, 40, 360, 280);
  phlabel2 = MakeLabel("Quenna 2:   Orn Hollin Adventure", client, TimesFont(29, true), kNavy);
  phlabel2->setWordWrap(true);
  phlabel2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  phlabel2->setGeometry(0, 320, 300, 100);
}

void MainWindowDesign::SetUpDateBook(QWidget* client) {
  Dates = new QTabBar(client);
  Dates->setFont(TimesFont(11));
  Dates->setExpanding(false);
  Dates->setDrawBase(false);
  for (const DateTab& tab : kDateTabs)
    Dates->addTab(
        QString::fromUtf8(tab.tabCaption.data(), static_cast<int>(tab.tabCaption.size())));
  // Fifteen tabs share the width of the book; narrow padding keeps them all in view down
  // to about 700 lines. Below that the strip scrolls, always to show the page selected.
  Dates->setStyleSheet(
      "QTabBar::tab { background: #d9ccae; color: black; border: 1px solid #6e5a3c;"
      " border-bottom: none; border-top-left-radius: 4px; border-top-right-radius: 4px;"
      " padding: 2px 5px; margin-right: 1px; min-width: 24px; }"
      "QTabBar::tab:selected { background: #fff8e6; font-weight: bold; }"
      "QTabBar::tab:hover:!selected { background: #eadfc4; }"
      // The scroll buttons of a low screen, in the colours of the tabs. They are kept to
      // the height of the tabs: the book is taller, and below the tabs the scene covers it.
      "QTabBar::scroller { width: 40px; }"
      "QTabBar QToolButton { background: #d9ccae; border: 1px solid #6e5a3c; max-height: 19px; }"
      "QTabBar QToolButton:hover { background: #eadfc4; }"
      "QTabBar QToolButton::left-arrow {"
      " image: url(:/qt-project.org/styles/commonstyle/images/left-16.png); }"
      "QTabBar QToolButton::right-arrow {"
      " image: url(:/qt-project.org/styles/commonstyle/images/right-16.png); }");
  Dates->setUsesScrollButtons(true);
  Dates->setElideMode(Qt::ElideNone);
  Dates->setGeometry(0, kDatesTop, 644, 193);
  Dates->hide();

  TopPanel = new QFrame(client);
  TopPanel->setGeometry(0, 22, 491, 444);
  MainPanel = new QFrame(TopPanel);
  MainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  MainPanel->setLineWidth(3);
  MainPanel->setGeometry(0, 0, 491, 491);
  MainPanel->setCursor(Qt::ArrowCursor);
  SetBackground(MainPanel, kSilver);
  Image2 = new PictureBox(MainPanel);
  Image2->move(kImage2Place);
  Image2->SetStretch(true);
  Image2->SetAutoSize(true);
  Image2->setEnabled(false);
}

void MainWindowDesign::SetUpRightPanel(QWidget* client) {
  RightPanel = new QFrame(client);
  RightPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  RightPanel->setLineWidth(3);
  SetBackground(RightPanel, Qt::black);
  SetTextColor(RightPanel, Qt::white);
  RightPanel->setGeometry(491, 0, 345, 444);
  RightPanel->hide();

  Narrator = new PictureBox(RightPanel);
  Narrator->setGeometry(6, 6, 160, 160);
  Narrator->SetStretch(true);
  Virtues = new PictureBox(RightPanel);
  Virtues->move(6, 6);
  Virtues->SetAutoSize(true);
  Virtues->setCursor(Qt::PointingHandCursor);
  VirtueWords = new VirtueWordsPanel(Virtues);

  Narrate1 = MakeLabel("", RightPanel, TimesFont(24), Qt::white);
  Narrate1->setWordWrap(true);
  Narrate1->setGeometry(240, 40, 100, 30);

  Narr2 = new QPlainTextEdit(RightPanel);
  Narr2->setReadOnly(true);
  Narr2->setFrameStyle(QFrame::NoFrame);
  Narr2->setFont(TimesFont(16));
  Narr2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Narr2->setGeometry(10, 180, 320, 240);
  {
    QPalette palette = Narr2->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    Narr2->setPalette(palette);
  }

  text1 = new ClickableLabel(RightPanel);
  text1->setFont(TimesFont(16, true));
  SetTextColor(text1, Qt::white);
  text1->setWordWrap(true);
  text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text1->setGeometry(24, kText1Top, 289, 168);

  Scores = MakeLabel("", RightPanel, TimesFont(19), Qt::white);
  Scores->setWordWrap(true);
  Scores->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Scores->setGeometry(20, 150, 300, 300);

  // The narration, the look message and the virtue chart appear only when asked for.
  for (QWidget* shownOnDemand : std::initializer_list<QWidget*>{Narrate1, Narr2, text1, Virtues}) {
    shownOnDemand->hide();
  }
}

void MainWindowDesign::SetUpControlPanel() {
  ControlPanel = new QFrame(RightPanel);
  SetBackground(ControlPanel, kSilver);
  SetTextColor(ControlPanel, Qt::black);
  ControlPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  ControlPanel->setLineWidth(1);
  ControlPanel->hide();

  const QFont buttonFont = TimesFont(19, true);
  const int w = kModeButton.width();
  const int h = kModeButton.height();
  Look = MakeButton("Look", ControlPanel, buttonFont, w, h);
  Talk = MakeButton("Talk", ControlPanel, buttonFont, w, h);
  Read1 = MakeButton("Read", ControlPanel, buttonFont, w, h);
  VButton = MakeButton("Virtues", ControlPanel, buttonFont, w, h);

  Label3 = MakeLabel("Level", ControlPanel, TimesFont(21, true), kGrey);
  Label4 = MakeLabel("Score", ControlPanel, TimesFont(21, true), kGrey);
  Level = MakeLabel("1", ControlPanel, TimesFont(27, true), kGrey);
  SLabel = MakeLabel("0", ControlPanel, TimesFont(27, true), kGrey);
  Level->setMinimumWidth(60);
  SLabel->setMinimumWidth(80);
}

void MainWindowDesign::SetUpTitleButtons(QWidget* client) {
  const int w = kTitleButton.width();
  const int h = kTitleButton.height();
  Startgame = MakeButton("Start Game ", client, TimesFont(17), w, h);
  Startgame->hide();
  Intro1 = MakeButton("Introduction", client, TimesFont(17), w, h);
  Intro1->hide();
  Continue1 = MakeButton("Continue", client, TimesFont(17, true), 120, 33);
  Continue1->hide();
}

void MainWindowDesign::ShowTitleButtons(bool shown, bool canContinue) {
  Startgame->setVisible(shown);
  Intro1->setVisible(shown);
  Continue1->setVisible(shown && canContinue);
}

void MainWindowDesign::ShowOptions(const PlayerOptions& options) {
  CardsOn->setChecked(options.cardGame);
  CardsOff->setChecked(!options.cardGame);
  MusicON->setChecked(options.music);
  MusicOFF->setChecked(!options.music);
  TipsOn->setChecked(options.tips);
}

PlayerOptions MainWindowDesign::CheckedOptions() const {
  return {CardsOn->isChecked(), MusicON->isChecked(), TipsOn->isChecked()};
}

void MainWindowDesign::SetUpAbout(QWidget* client) {
  About = new QFrame(client);
  About->setFrameStyle(QFrame::Panel | QFrame::Raised);
  About->setLineWidth(3);
  SetBackground(About, kSilver);
  About->setGeometry(98, kAboutTop, 448, 415);
  About->hide();
  Image1 = new PictureBox(About);
  Image1->SetStretch(true);
  Image1->setGeometry(6, 6, 436, 403);
  Image1->setCursor(Qt::PointingHandCursor);
}

void MainWindowDesign::SetUpMenu(QMenuBar& bar, const QFont& font) {
  bar.setFont(font);
  auto checkable = [](QAction* action, bool checked) {
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
  };
  // An entry with no caption between the named entries keeps them apart, as before.
  auto spacer = [&bar] {
    QAction* gap = bar.addAction("  ");
    gap->setEnabled(false);
  };

  QMenu* file = bar.addMenu("&File");
  Introduction1 = file->addAction("&Introduction");
  Introduction1->setEnabled(false);
  New1 = file->addAction("&New Game");
  Open1 = file->addAction("&Open Saved Game...");
  SaveAs1 = file->addAction("&Save Game");
  SaveAs1->setEnabled(false);
  file->addSeparator();
  Exit1 = file->addAction("E&xit");
  spacer();

  QMenu* options = bar.addMenu("&Options");
  CardsOff = checkable(options->addAction("Card Game OFF"), false);
  CardsOn = checkable(options->addAction("Card Game On"), true);
  MusicOFF = checkable(options->addAction("Music is OFF"), false);
  MusicON = checkable(options->addAction("Music is ON"), true);
  spacer();

  // The level list as ever, and beside it what the learning journal tells.
  QMenu* scores = bar.addMenu("&Scores");
  Score1 = scores->addAction("&Level Scores...");
  Progress1 = scores->addAction("My &Progress...");
  spacer();

  QMenu* help = bar.addMenu("&Help");
  Contents1 = help->addAction("&Contents");
  SearchforHelpOn1 = help->addAction("&Search for Help On...");
  SearchforHelpOn1->setEnabled(false);
  SearchforHelpOn1->setVisible(false);
  HowtoUseHelp1 = checkable(help->addAction("&How to Use Help"), true);
  HowtoUseHelp1->setEnabled(false);
  HowtoUseHelp1->setVisible(false);
  About1 = help->addAction("&About...");
  spacer();

  QMenu* tips = bar.addMenu("&Tips");
  TipsOn = checkable(tips->addAction("Tips On"), true);
  CurrentTask1 = tips->addAction("Current Task");
  CurrentTask1->setEnabled(false);
  spacer();

  HighScore1 = bar.addAction("High Scores");
  HighScore1->setVisible(false);
  spacer();
}

void MainWindowDesign::LayOutForScreen(int width, int height) {
  const int W = width;
  const int H = height;
  auto f = [H](double fraction) { return ScreenFraction(H, fraction); };
  RestoreDesign();

  // On a low screen the about box moves up so that all of it shows.
  About->move(W / 2 - 213, std::clamp(H - About->height(), 0, kAboutTop));
  TopPanel->setGeometry(0, TopPanel->y(), f(0.82), H);
  MainPanel->setGeometry(MainPanel->x(), 0, f(0.82), f(0.82));
  RightPanel->setGeometry(f(0.82), 0, W - MainPanel->width(), H);
  // The control panel spans the right-hand panel inside its bevel and reaches its bottom.
  const QRect inside = RightPanel->contentsRect();
  ControlPanel->setGeometry(inside.left(), f(0.7), inside.width(), f(0.3));
  // On a wide screen the narration keeps lines short enough to read: at most 0.55 H wide,
  // which leaves a 4:3 screen's layout as it is.
  Narr2->setGeometry(Narr2->x(), f(0.23), std::min(RightPanel->width() - 20, f(0.55)), f(0.4));
  Narrator->resize(f(0.2), f(0.2));
  Scores->setGeometry(Scores->x(), f(0.22), Narr2->width() - 20, Scores->height());
  Talk->move(f(0.14), f(0.04));
  Look->move(f(0.02), f(0.04));
  Read1->move(f(0.02), f(0.1));
  VButton->move(f(0.14), f(0.1));
  Label3->move(f(0.27), f(0.04));
  Label4->move(f(0.36), f(0.04));
  SLabel->move(f(0.38), f(0.07));
  Level->move(f(0.3), f(0.07));
  Narrate1->move(f(0.3), Narrate1->y());
  Startgame->move(f(0.9), f(0.7));
  Intro1->move(f(1.1), f(0.7));
  // The two title buttons stand 0.2 H apart; on small screens they narrow to keep a gap.
  for (QPushButton* button : {Startgame, Intro1, Continue1}) {
    button->resize(std::min(button->width(), f(0.2) - 8), button->height());
  }
  // "Continue" stands centred below the two, where even a 480-line screen has room (above
  // them the title words come down that far).
  Continue1->move((Startgame->x() + Intro1->x() + Intro1->width() - Continue1->width()) / 2,
                  Startgame->y() + Startgame->height() + 12);
  SetPointSize(phlabel, f(0.08));
  // The title words stop where the slide ends: at the first step past the scene frame
  // (0.85 H) that still leaves them room, so they never end half behind the picture.
  phlabel->resize(std::clamp(W - f(0.85) - 1, f(0.3), f(0.5)), phlabel->height());
  phlabel2->setGeometry(phlabel2->x(), f(0.4), f(0.39), phlabel2->height());
  text1->resize(f(0.38), text1->height());
  Dates->resize(f(0.8), Dates->height());

  auto fillMainPanel = [this] {
    Image2->SetAutoSize(false);
    Image2->setGeometry(MainPanel->rect().adjusted(kMainPanelInset, kMainPanelInset,
                                                   -kMainPanelInset, -kMainPanelInset));
  };
  if (H > 768) {
    fillMainPanel();
    SetPointSize(Narr2, 12);
    SetPointSize(Dates, 9);
    Dates->move(Dates->x(), 0);
    SetPointSize(text1, 12);
  }
  // The look message and the tips reach down to the control panel, so that no message is
  // cut off where the width is small.
  auto reachControlPanel = [&] {
    for (QLabel* text : {static_cast<QLabel*>(text1), Scores}) {
      text->resize(text->width(), f(0.7) - text->y() - kTextGap);
    }
  };
  if (H > 600) {
    reachControlPanel();
    return;
  }
  text1->move(text1->x(), 20);
  reachControlPanel();
  for (QPushButton* button : {Talk, Look, Read1, VButton}) {
    button->resize(55, button->height());
    SetPointSize(button, 8);
  }
  for (QLabel* label : {Label3, Label4, SLabel, Level}) SetPointSize(label, 12);
  SLabel->move(SLabel->x(), 45);
  Level->move(Level->x(), 45);
  if (H == 600) return;
  fillMainPanel();
  SetPointSize(Scores, 12);
}

void MainWindowDesign::RestoreDesign() {
  if (designFonts_.empty()) {
    for (QWidget* ruled :
         std::initializer_list<QWidget*>{Narr2, Dates, text1, Scores, Talk, Look, Read1, VButton,
                                         Label3, Label4, SLabel, Level, phlabel}) {
      designFonts_.emplace_back(ruled, ruled->font());
    }
    return;
  }
  for (const auto& [widget, font] : designFonts_) widget->setFont(font);
  Image2->move(kImage2Place);
  Image2->SetAutoSize(true);
  Dates->move(Dates->x(), kDatesTop);
  text1->move(text1->x(), kText1Top);
  for (QPushButton* button : {Talk, Look, Read1, VButton}) button->resize(kModeButton);
  for (QPushButton* button : {Startgame, Intro1}) button->resize(kTitleButton);
}

}  // namespace quenna
