#include "cards/TPlayCards.h"

#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "cards/CardCoach.h"
#include "core/GameFiles.h"
#include "core/MainForm.h"
#include "core/WidgetStyle.h"
#include "media/Cursors.h"

namespace quenna {
namespace {

constexpr int kClientWidth = 633;
constexpr int kClientHeight = 422;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QPushButton* MakeButton(const QString& caption, int x, int y, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, 75, 25);
  button->setAutoDefault(false);
  return button;
}

QLabel* MakeLabel(const QString& caption, int x, int y, int pixels, const QColor& color,
                  QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setFont(TimesFont(pixels));
  SetTextColor(label, color);
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TPlayCards::TPlayCards(GameContext& context, MainForm& main, QWidget* parent)
    : GameDialog(context.platform, parent), context_(context), main_(main) {
  setWindowTitle(
      "In the inside cover of the strange book, there is a pocket, with playing cards tucked "
      "inside...");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

  MainMenu1 = new QMenuBar(this);
  Difficulty1 = MainMenu1->addMenu("&Skill");
  Easy1 = Difficulty1->addAction("Easy");
  Medium1 = Difficulty1->addAction("Medium");
  Difficult1 = Difficulty1->addAction("Difficult");
  for (QAction* skill : {Easy1, Medium1, Difficult1}) skill->setCheckable(true);
  Easy1->setChecked(true);
  OnTriggered(Easy1, &TPlayCards::Easy1Click);
  OnTriggered(Medium1, &TPlayCards::Medium1Click);
  OnTriggered(Difficult1, &TPlayCards::Difficult1Click);

  // The client area sits under the menu bar; every control is placed in its pixels.
  auto* client = new QWidget(this);
  client->setFixedSize(kClientWidth, kClientHeight);
  SetBackground(client, Qt::black);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(client);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Image1 = new PictureBox(client);
  Image1->setGeometry(0, 0, kTableWidth, kTableHeight);
  Image1->SetPicture(CardPicture("BP"));
  Image1->setCursor(Qt::ArrowCursor);
  connect(Image1, &PictureBox::MouseDown, this, [this](Qt::MouseButton, int x, int y) {
    Guarded([this, x, y] { Image1MouseDown(x, y); });
  });

  OrnPic = new PictureBox(client);
  OrnPic->setGeometry(0, 0, kClientWidth, 0);
  OrnPic->hide();

  MoreInfo = MakeButton("Help", 37, 25, client);
  HintBtn = MakeButton("Hint", 125, 25, client);
  DealCards = MakeButton("Deal Cards", 373, 25, client);
  Redeal = MakeButton(" Redeal", 481, 26, client);
  Redeal->setEnabled(false);
  OnClick(MoreInfo, &TPlayCards::MoreInfoClick);
  OnClick(HintBtn, &TPlayCards::HintBtnClick);
  OnClick(DealCards, &TPlayCards::DealCardsClick);
  OnClick(Redeal, &TPlayCards::RedealClick);

  Hint = new QLabel(client);
  QFont hintFont("MS Sans Serif");
  hintFont.setPixelSize(11);
  Hint->setFont(hintFont);
  SetTextColor(Hint, Qt::black);
  SetBackground(Hint, Qt::white);
  Hint->setMargin(2);
  Hint->move(128, 56);
  Hint->hide();

  Label1 = MakeLabel("Number of Redeals:", 38, 398, 18, Qt::red, client);
  RLabel = MakeLabel("0", 206, 398, 19, Qt::white, client);
  Label2 = MakeLabel("Total Points:", 436, 398, 18, Qt::red, client);
  Points = MakeLabel("", 552, 398, 18, Qt::white, client);
  // Only a deal shows the counters; the task given without a card game shows none.
  RLabel->hide();
  Points->hide();

  OrnTalks = new QLabel(client);
  OrnTalks->setGeometry(416, 134, 185, 251);
  OrnTalks->setWordWrap(true);
  OrnTalks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  OrnTalks->setFont(TimesFont(16));
  SetTextColor(OrnTalks, Qt::white);
  OrnTalks->hide();

  Continue = MakeButton("Continue", 289, 394, client);
  Continue->hide();
  OnClick(Continue, &TPlayCards::ContinueClick);
}

void TPlayCards::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    if (QScreen* where = screen()) {
      move(where->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
  }
  GameDialog::showEvent(event);
}

// Drawing on the table picture.

void TPlayCards::GetImage(int slot) {
  DrawX = SlotX(slot);
  DrawY = SlotY(slot);
}

void TPlayCards::DrawImage(const std::string& name) {
  const QImage& picture = CardPicture(name);
  {
    QPainter painter(&Image1->Canvas());
    painter.drawImage(DrawX, DrawY, picture);
  }
  Image1->update();
}

void TPlayCards::DrawCard(int slot) {
  GetImage(slot);
  const CardCode& code = Cards.CardLayout[static_cast<std::size_t>(slot)];
  DrawImage(IsGap(code) ? std::string("GAP") : code);
}

void TPlayCards::DisplayCards() {
  for (int slot = 0; slot < kTableSlots; ++slot) DrawCard(slot);
  context_.platform.ProcessMessages();
}

// The table.

void TPlayCards::HideHint() {
  if (HintShown == 0) return;
  Hint->hide();
  HintShown = 0;
}

void TPlayCards::NewDeck() {
  int stride = kEasyStride;
  if (Difficult1->isChecked()) {
    stride = kDifficultStride;
  } else if (Medium1->isChecked()) {
    stride = kMediumStride;
  }
  quenna::NewDeck(Cards, stride);
}

void TPlayCards::Shuffle() {
  DealShuffle(Cards, context_.platform.NowSeconds());
}

void TPlayCards::DealCardsClick() {
  HideHint();
  DrawX = kPatchLeft;
  DrawY = kPatchTop;
  if (Round.Deal()) DrawImage("P2");
  RedealCount = 0;
  NewDeck();
  Calc();
  RLabel->show();
  Points->show();
  context_.platform.ProcessMessages();
  Shuffle();
  DisplayCards();
  if (!Round.DealsLeft()) DealCards->setEnabled(false);
  CheckTable();
}

void TPlayCards::Image1MouseDown(int x, int y) {
  HideHint();
  Slots& layout = Cards.CardLayout;
  const int slot = SlotAt(x, y);
  const CardPress press = Round.Press(layout, slot);
  if (press == CardPress::kIgnored) return;
  DealCards->setEnabled(false);
  const CardCode& chosen = layout[static_cast<std::size_t>(Round.SelectedSlot)];
  switch (press) {
    case CardPress::kIgnored:
      break;
    case CardPress::kGapChosen:
      Image1->setCursor(Qt::ArrowCursor);
      break;
    case CardPress::kRefused:
      // The lifted card goes back to its place, drawn where it was lifted.
      Image1->setCursor(Qt::ArrowCursor);
      if (!IsGap(chosen)) DrawImage(chosen);
      break;
    case CardPress::kMoved:
      Image1->setCursor(Qt::ArrowCursor);
      Redeal->setEnabled(false);
      DrawImage("GAP");
      GetImage(slot);
      DrawImage(layout[static_cast<std::size_t>(slot)]);
      context_.platform.ProcessMessages();
      CheckTable();
      break;
    case CardPress::kPutBack:
      DrawImage(chosen);
      Image1->setCursor(Qt::ArrowCursor);
      break;
    case CardPress::kLifted:
      GetImage(slot);
      DrawImage("GAP");
      Image1->setCursor(DragCursor());
      break;
  }
}

int TPlayCards::Blocked() {
  const BlockedResult result = quenna::Blocked(Cards.CardLayout);
  if (result == kTableWon) WinCredit();
  return result;
}

void TPlayCards::CheckTable() {
  // A deal or a redeal can leave no move as well as a move can; without " Redeal" the
  // table would then be stuck for good.
  const int result = Blocked();
  if (result == kNoMoveLeft) Redeal->setEnabled(true);
  if (result == kTableWon) ShowOrn(true);
}

void TPlayCards::RedealClick() {
  HideHint();
  Round.Drop();
  Image1->setCursor(Qt::ArrowCursor);
  RedealCount += 1;
  Calc();
  quenna::Redeal(Cards, context_.platform.NowSeconds());
  DisplayCards();
  Redeal->setEnabled(false);
  CheckTable();
}

void TPlayCards::Easy1Click() {
  SetSkill(Easy1);
}
void TPlayCards::Medium1Click() {
  SetSkill(Medium1);
}
void TPlayCards::Difficult1Click() {
  SetSkill(Difficult1);
}

void TPlayCards::SetSkill(QAction* chosen) {
  for (QAction* skill : {Easy1, Medium1, Difficult1}) skill->setChecked(skill == chosen);
}

// Points, hints, the hero's speeches and the task.

void TPlayCards::Calc() {
  Points->setText(QString::number(ShownPoints(Cards.ShuffleStride, RedealCount)));
  Points->adjustSize();
  RLabel->setText(QString::number(RedealCount));
  RLabel->adjustSize();
}

void TPlayCards::WinCredit() {
  RLabel->setText(QString::number(RedealCount));
  RLabel->adjustSize();
  const int points = CardPoints(Cards.ShuffleStride, RedealCount);
  Round.CardRoundsDone += 1;
  const auto credit = quenna::WinCredit(points);
  main_.UpdateLevels(credit[0].column, credit[0].amount, credit[1].column, credit[1].amount,
                     credit[2].column, credit[2].amount, credit[3].column, credit[3].amount);
}

void TPlayCards::HintBtnClick() {
  const auto hint = HintText(Cards.CardLayout, Redeal->isEnabled(), !Round.Dealt());
  if (!hint) return;
  Hint->setText(QString::fromStdString(*hint));
  Hint->adjustSize();
  Hint->show();
  HintShown = 1;
}

void TPlayCards::MoreInfoClick() {
  Hint->hide();
  HintShown = 0;
  HelpStep = 1;
  ShowOrn(false);
}

void TPlayCards::ShowSpeechView() {
  MoreInfo->hide();
  DealCards->hide();
  Redeal->hide();
  HintBtn->hide();
  OrnPic->LoadFromFile(context_.data.Resolve(kHeroPortrait));
  OrnPic->setGeometry(0, 0, kClientWidth, OrnPic->Picture().height());
  Image1->hide();
  OrnPic->show();
}

void TPlayCards::ShowTableView() {
  OrnTalks->hide();
  Continue->hide();
  OrnPic->hide();
  Image1->show();
  MoreInfo->show();
  DealCards->show();
  HintBtn->show();
  Redeal->show();
}

void TPlayCards::ShowOrn(bool congratulate) {
  ShowSpeechView();
  SpeechKind = congratulate ? 1 : 0;
  context_.platform.ProcessMessages();
  OrnTalks->show();
  Continue->show();
  OrnTalks->setText(Text(congratulate ? kCongratulation : kHelpOpening));
}

void TPlayCards::OrnSpeak() {
  if (HelpStep >= 1 && HelpStep <= 3) {
    OrnTalks->setText(Text(kHelpSteps[static_cast<std::size_t>(HelpStep - 1)]));
    HelpStep += 1;
  } else if (HelpStep == 4) {
    ShowTableView();
    HelpStep = 0;
  }
}

void TPlayCards::ContinueClick() {
  if (SpeechKind == 0) {
    OrnSpeak();
    return;
  }
  if (Round.CardRoundDone == 1) {
    // The task has been read: the window closes, and the task is given once more on the
    // way out, which changes nothing but keeps the round marked done.
    Round.CardRoundDone = 0;
    Close();
  }
  AssignTask();
}

void TPlayCards::AssignTask() {
  GameState& state = main_.State();
  const Task task =
      quenna::AssignTask(Round.CardRoundsDone, state.TaskVirtue, context_.platform.NowSeconds());
  OrnTalks->setText(QString::fromStdString(task.text));
  state.TaskDone = 1;
  state.TaskTab = task.tab;
  state.TaskVirtue = task.virtue;
  Round.CardRoundDone = 1;
}

// Window events.

void TPlayCards::FormActivate() {
  SpeechKind = 1;
  Hint->hide();
  HintShown = 0;
  if (Round.CardRoundDone != 0) {
    GameState& state = main_.State();
    if (state.TaskVirtue == 0) state.TaskVirtue = DrawVirtue(context_.platform.NowSeconds());
    ShowSpeechView();
    OrnTalks->show();
    Continue->show();
    context_.platform.ProcessMessages();
    HelpStep = 0;
    AssignTask();
    Round.CardRoundDone = 1;
    return;
  }
  if (Round.FreshGameAsked()) {
    Image1->SetPicture(CardPicture("BP"));
    Round.StartFreshGame();
    ShowTableView();
    DealCards->setEnabled(true);
    Redeal->setEnabled(false);
    RedealCount = 0;
    Cards.Locked.fill(false);
    Image1->setCursor(Qt::ArrowCursor);
  }
  RLabel->hide();
  Points->hide();
}

bool TPlayCards::FormCloseQuery() {
  if (HelpStep == 0) return true;
  // Closing during the help speech ends the speech and keeps the window open.
  ShowTableView();
  HelpStep = 0;
  return false;
}

}  // namespace quenna
