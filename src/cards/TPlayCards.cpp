#include "cards/TPlayCards.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "cards/CardCoach.h"
#include "cards/CardSettings.h"
#include "cards/CardTableLayer.h"
#include "cards/TCardStatistics.h"
#include "core/GameFiles.h"
#include "core/MainForm.h"
#include "core/WidgetStyle.h"
#include "media/Cursors.h"

namespace quenna {
namespace {

constexpr int kClientWidth = 633;
constexpr int kClientHeight = 422;
// A card taken up with the keyboard hovers above and beside the cursor's place, so the
// place beneath still shows.
const QPoint kKeyboardLift(7, -13);

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QPushButton* MakeButton(const QString& caption, int x, int y, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, 75, 25);
  // Enter presses the button that has the focus.
  button->setAutoDefault(true);
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
  // One skill at a time, shown with round marks.
  auto* skills = new QActionGroup(this);
  for (QAction* skill : {Easy1, Medium1, Difficult1}) {
    skill->setCheckable(true);
    skills->addAction(skill);
  }
  OnTriggered(Easy1, &TPlayCards::Easy1Click);
  OnTriggered(Medium1, &TPlayCards::Medium1Click);
  OnTriggered(Difficult1, &TPlayCards::Difficult1Click);
  Difficulty1->addSeparator();
  Statistics1 = Difficulty1->addAction("Statistics...");
  OnTriggered(Statistics1, &TPlayCards::Statistics1Click);
  // The skill last chosen, in this run or an earlier one.
  SkillItems()[static_cast<std::size_t>(ReadCardSkill(context_.platform) - 1)]->setChecked(true);

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
  // The card in hand follows the pointer also between presses; the table takes the
  // keyboard's focus for its cursor.
  Image1->setMouseTracking(true);
  Image1->setFocusPolicy(Qt::StrongFocus);
  Image1->installEventFilter(this);
  layer_ = new CardTableLayer(Image1);

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
  DealCards->setDefault(true);
  // The arrow keys move the table's cursor from wherever the focus is.
  for (QPushButton* button : {MoreInfo, HintBtn, DealCards, Redeal}) {
    button->installEventFilter(this);
  }

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
  ShowMarks();
  CheckTable();
}

void TPlayCards::Image1MouseDown(int x, int y) {
  // The mouse takes over from the keyboard: the cursor hides until the next key.
  cursorShown_ = false;
  heldByKeys_ = false;
  pointer_ = QPoint(x, y);
  pressAt_ = pointer_;
  dragging_ = false;
  const CardPress press = TablePress(SlotAt(x, y));
  pressed_ = press == CardPress::kLifted;
  if (pressed_) {
    grabOffset_ = pointer_ - QPoint(SlotX(Round.SelectedSlot), SlotY(Round.SelectedSlot));
  }
  ShowMarks();
}

CardPress TPlayCards::TablePress(int slot) {
  HideHint();
  Slots& layout = Cards.CardLayout;
  const bool wasHolding = Round.Holding(layout);
  const CardPress press = Round.Press(layout, slot);
  if (press == CardPress::kIgnored) return press;
  DealCards->setEnabled(false);
  const CardCode& chosen = layout[static_cast<std::size_t>(Round.SelectedSlot)];
  switch (press) {
    case CardPress::kIgnored:
      break;
    case CardPress::kGapChosen:
      Image1->setCursor(Qt::ArrowCursor);
      break;
    case CardPress::kRefused:
      // The lifted card goes back to its place, drawn where it was lifted, and the hint
      // line says where it goes instead. Nothing is counted.
      Image1->setCursor(Qt::ArrowCursor);
      if (!IsGap(chosen)) DrawImage(chosen);
      if (wasHolding) ShowHint(RefusalText(layout, Round.SelectedSlot, slot));
      break;
    case CardPress::kMoved:
      Image1->setCursor(Qt::ArrowCursor);
      Redeal->setEnabled(false);
      DrawImage("GAP");
      GetImage(slot);
      DrawImage(layout[static_cast<std::size_t>(slot)]);
      ShowMarks();
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
  ShowMarks();
  return press;
}

void TPlayCards::Image1MouseMove(QPoint at) {
  pointer_ = at;
  if (!Round.Holding(Cards.CardLayout)) return;
  heldByKeys_ = false;
  if (pressed_ && (at - pressAt_).manhattanLength() >= QApplication::startDragDistance()) {
    dragging_ = true;
  }
  ShowMarks();
}

void TPlayCards::Image1MouseUp(QPoint at) {
  pointer_ = at;
  const bool dropped = dragging_;
  pressed_ = false;
  dragging_ = false;
  // A press let go of where it was made leaves the card lifted, for a press on a gap.
  if (!dropped || !Round.Holding(Cards.CardLayout)) return;
  // The card lands where its middle is; only a gap takes it, by the same press as a click.
  const QPoint middle = at - grabOffset_ + QPoint(kCardWidth / 2, kCardHeight / 2);
  const int slot = DropSlotAt(middle.x(), middle.y());
  if (slot != kNoSlot && IsGap(Cards.CardLayout[static_cast<std::size_t>(slot)])) {
    TablePress(slot);
    return;
  }
  PutBackHeldCard();
}

void TPlayCards::PutBackHeldCard() {
  if (!Round.Holding(Cards.CardLayout)) return;
  Round.PutBack();
  DrawCard(Round.SelectedSlot);
  Image1->setCursor(Qt::ArrowCursor);
  ShowMarks();
}

bool TPlayCards::TableKey(QObject* from, int key) {
  if (!Image1->isVisible()) return false;
  int columns = 0;
  int rows = 0;
  switch (key) {
    case Qt::Key_Left:
      columns = -1;
      break;
    case Qt::Key_Right:
      columns = 1;
      break;
    case Qt::Key_Up:
      rows = -1;
      break;
    case Qt::Key_Down:
      rows = 1;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      // On a button these press the button.
      if (from != Image1) return false;
      heldByKeys_ = true;
      if (!cursorShown_) {
        // The first key shows where the cursor stands before it presses anything.
        cursorShown_ = true;
        ShowMarks();
        return true;
      }
      // Should the mouse take over, the card hangs from the pointer by its middle.
      if (TablePress(cursor_) == CardPress::kLifted) {
        grabOffset_ = QPoint(kCardWidth / 2, kCardHeight / 2);
      }
      return true;
    case Qt::Key_Escape:
      // Esc first puts a card in hand back; with none it closes the window.
      if (!Round.Holding(Cards.CardLayout)) return false;
      PutBackHeldCard();
      return true;
    default:
      return false;
  }
  if (cursorShown_ && focusWidget() == Image1) cursor_ = SlotBeside(cursor_, columns, rows);
  cursorShown_ = true;
  heldByKeys_ = true;
  Image1->setFocus(Qt::OtherFocusReason);
  ShowMarks();
  return true;
}

const std::vector<int>& TPlayCards::HighlightedGaps() const {
  return layer_->Shown().gaps;
}

int TPlayCards::CursorSlot() const {
  return layer_->Shown().cursor;
}

void TPlayCards::ShowMarks() {
  CardTableLayer::Marks marks;
  const Slots& layout = Cards.CardLayout;
  if (!celebrating_ && Round.Holding(layout)) {
    const int from = Round.SelectedSlot;
    marks.emptyPlace = from;
    marks.gaps = LegalGaps(layout, from);
    marks.held = layout[static_cast<std::size_t>(from)];
    marks.heldAt = heldByKeys_ ? QPoint(SlotX(cursor_), SlotY(cursor_)) + kKeyboardLift
                               : pointer_ - grabOffset_;
  }
  if (!celebrating_ && cursorShown_ && focusWidget() == Image1) marks.cursor = cursor_;
  layer_->SetMarks(std::move(marks));
}

void TPlayCards::ShowHint(const std::string& text) {
  if (text.empty()) return;
  Hint->setText(QString::fromStdString(text));
  Hint->adjustSize();
  Hint->show();
  HintShown = 1;
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
  if (result == kTableWon) StartCelebration();
}

void TPlayCards::StartCelebration() {
  celebrating_ = true;
  cursorShown_ = false;
  ShowMarks();
  // Every press and key in this window ends the lights early; nothing else runs meanwhile.
  qApp->installEventFilter(this);
  if (celebration_ == nullptr) {
    celebration_ = new QVariantAnimation(this);
    celebration_->setStartValue(0.0);
    celebration_->setEndValue(1.0);
    connect(celebration_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
      if (celebrating_) layer_->SetCelebration(Cards.CardLayout, value.toDouble());
    });
    connect(celebration_, &QAbstractAnimation::finished, this,
            [this] { Guarded([this] { EndCelebration(); }); });
  }
  layer_->SetCelebration(Cards.CardLayout, 0);
  celebration_->setDuration(std::max(0, CelebrationMilliseconds));
  celebration_->start();
}

void TPlayCards::EndCelebration() {
  if (!celebrating_) return;
  celebrating_ = false;
  qApp->removeEventFilter(this);
  celebration_->stop();
  layer_->SetCelebration(Cards.CardLayout, -1);
  ShowOrn(true);
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
  ShowMarks();
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

std::array<QAction*, 3> TPlayCards::SkillItems() const {
  return {Easy1, Medium1, Difficult1};
}

void TPlayCards::SetSkill(QAction* chosen) {
  const auto items = SkillItems();
  for (std::size_t at = 0; at < items.size(); ++at) {
    items[at]->setChecked(items[at] == chosen);
    if (items[at] == chosen) WriteCardSkill(context_.platform, static_cast<int>(at) + 1);
  }
}

void TPlayCards::Statistics1Click() {
  TCardStatistics statistics(context_.platform, this);
  context_.platform.ShowModal(statistics);
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
  RecordWin();
}

void TPlayCards::RecordWin() {
  // The win counts for the skill the table was dealt on, whatever the menu shows now.
  const int skill = SkillOfStride(Cards.ShuffleStride);
  SkillRecord record = ReadSkillRecord(context_.platform, skill);
  quenna::RecordWin(record, RedealCount, ShownPoints(Cards.ShuffleStride, RedealCount));
  WriteSkillRecord(context_.platform, skill, record);
}

void TPlayCards::HintBtnClick() {
  const auto hint = HintText(Cards.CardLayout, Redeal->isEnabled(), !Round.Dealt());
  if (hint) ShowHint(*hint);
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
  Continue->setDefault(true);
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
  DealCards->setDefault(true);
  ShowMarks();
}

void TPlayCards::FocusDefault() {
  if (Continue->isVisibleTo(this)) {
    Continue->setFocus(Qt::OtherFocusReason);
  } else if (DealCards->isEnabled()) {
    DealCards->setFocus(Qt::OtherFocusReason);
  } else {
    Image1->setFocus(Qt::OtherFocusReason);
  }
  ShowMarks();
}

void TPlayCards::ShowOrn(bool congratulate) {
  ShowSpeechView();
  SpeechKind = congratulate ? 1 : 0;
  context_.platform.ProcessMessages();
  OrnTalks->show();
  Continue->show();
  OrnTalks->setText(Text(congratulate ? kCongratulation : kHelpOpening));
  Continue->setFocus(Qt::OtherFocusReason);
}

void TPlayCards::OrnSpeak() {
  if (HelpStep >= 1 && HelpStep <= 3) {
    OrnTalks->setText(Text(kHelpSteps[static_cast<std::size_t>(HelpStep - 1)]));
    HelpStep += 1;
  } else if (HelpStep == 4) {
    ShowTableView();
    HelpStep = 0;
    FocusDefault();
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
  pressed_ = false;
  dragging_ = false;
  if (Round.CardRoundDone != 0) {
    // Without a card game played for this task (the card game off, or a game just
    // opened) the bottom line has no figures of its own to show.
    if (!Round.TaskEarnedAtTable()) {
      for (QLabel* label : {Label1, RLabel, Label2, Points}) label->hide();
    }
    GameState& state = main_.State();
    if (state.TaskVirtue == 0) state.TaskVirtue = DrawVirtue(context_.platform.NowSeconds());
    ShowSpeechView();
    OrnTalks->show();
    Continue->show();
    context_.platform.ProcessMessages();
    HelpStep = 0;
    AssignTask();
    Round.CardRoundDone = 1;
    FocusDefault();
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
  Label1->show();
  Label2->show();
  RLabel->hide();
  Points->hide();
  FocusDefault();
}

bool TPlayCards::FormCloseQuery() {
  if (HelpStep == 0) return true;
  // Closing during the help speech ends the speech and keeps the window open.
  ShowTableView();
  HelpStep = 0;
  FocusDefault();
  return false;
}

void TPlayCards::FormClose() {
  // Closed during the lights of a win: the congratulation waits for the next opening.
  EndCelebration();
  pressed_ = false;
  dragging_ = false;
}

// The keyboard: D, R, H and C press the buttons of those names when they can be pressed,
// from wherever the focus is.
void TPlayCards::keyPressEvent(QKeyEvent* event) {
  QPushButton* button = nullptr;
  if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
    switch (event->key()) {
      case Qt::Key_D:
        button = DealCards;
        break;
      case Qt::Key_R:
        button = Redeal;
        break;
      case Qt::Key_H:
        button = HintBtn;
        break;
      case Qt::Key_C:
        button = Continue;
        break;
      default:
        break;
    }
  }
  if (button == nullptr) {
    GameDialog::keyPressEvent(event);
    return;
  }
  if (button->isVisible() && button->isEnabled()) button->click();
  event->accept();
}

bool TPlayCards::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (celebrating_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::KeyPress)) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      Guarded([this] { EndCelebration(); });
      return true;
    }
  }
  const bool tableControl = watched == Image1 || watched == MoreInfo || watched == HintBtn ||
                            watched == DealCards || watched == Redeal;
  if (type == QEvent::KeyPress && tableControl) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    bool used = false;
    if (modifiers == Qt::NoModifier) {
      Guarded([this, watched, key, &used] { used = TableKey(watched, key->key()); });
    }
    return used;
  }
  if (watched != Image1) return false;
  switch (type) {
    case QEvent::MouseMove: {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      Guarded([this, at] { Image1MouseMove(at); });
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      Guarded([this, at] { Image1MouseUp(at); });
      return false;
    }
    case QEvent::FocusIn: {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) cursorShown_ = true;
      ShowMarks();
      return false;
    }
    case QEvent::FocusOut:
      ShowMarks();
      return false;
    default:
      return false;
  }
}

}  // namespace quenna
