// Keyboard play in the main window, the spots of the scene shown on request, and reading
// the texts aloud. A key means the same whichever control has the focus (core/WindowKeys).
#include <QApplication>
#include <QMenu>

#include <algorithm>

#include "core/ReadAloud.h"
#include "core/WindowKeys.h"
#include "core/WorldTables.h"
#include "shell/TForm1.h"
#include "talk/Roster.h"

namespace quenna {
namespace {

QMenu* MenuOf(QAction* item) {
  return qobject_cast<QMenu*>(item->parent());
}

}  // namespace

void TForm1::SetUpKeys() {
  New1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  SaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  Contents1->setShortcut(QKeySequence(Qt::Key_F1));

  QMenu* options = MenuOf(MusicON);
  options->addSeparator();
  ReadAloud1 = options->addAction("Read Aloud");
  ReadAloud1->setCheckable(true);
  ReadAloud1->setChecked(ReadingAloud(context_.platform));
  options->setToolTipsVisible(true);
  // Asking whether a voice works starts one, so it is asked only when the menu opens.
  connect(options, &QMenu::aboutToShow, this, [this] {
    const std::string problem = context_.platform.SpeechProblem();
    ReadAloud1->setEnabled(problem.empty());
    ReadAloud1->setToolTip(QString::fromStdString(problem));
  });

  ShowSpots1 = MenuOf(TipsOn)->addAction("Show");
  ShowSpots1->setCheckable(true);
  ShowSpots1->setToolTip("Outlines what can be clicked on the picture (or hold H)");

  // As with the other menu items, the handlers own the check marks.
  for (const auto& item :
       {std::pair<QAction*, void (TForm1::*)()>{ReadAloud1, &TForm1::ReadAloud1Click},
        std::pair<QAction*, void (TForm1::*)()>{ShowSpots1, &TForm1::ShowSpots1Click}}) {
    QAction* action = item.first;
    auto handler = item.second;
    connect(action, &QAction::triggered, this, [this, action, handler] {
      action->setChecked(!action->isChecked());
      Guarded([this, handler] { (this->*handler)(); });
    });
  }

  Spots = new SpotOverlay(*Image2, [this] {
    SpotView view;
    view.spots = PageSpots();
    view.cellSize = CellSize;
    view.showAll = holdingShowKey_ || ShowSpots1->isChecked();
    // Gold for the people only where they can be talked to.
    view.markPeople = state_.ActionMode == kTalkMode && Talk->isEnabled();
    view.highlighted = HighlightedSpot();
    return view;
  });
  // A page turned to afresh starts with no spot chosen.
  connect(Dates, &QTabBar::currentChanged, this, [this] { highlightTab_ = -1; });
  // People are marked in talk mode only.
  for (QPushButton* mode : {Look, Talk})
    connect(mode, &QPushButton::clicked, Spots, [this] { Spots->update(); });

  new WindowKeys(*this, [this](QKeyEvent& key) {
    return key.type() == QEvent::KeyPress ? FormKeyDown(key) : FormKeyUp(key);
  });
}

std::vector<SceneSpot> TForm1::PageSpots() const {
  const int tab = state_.CurrentTab;
  if (tab == kCoverTab || !state_.GameStarted || !Dates->isVisible() || CellSize < 1) return {};
  const int columns = (Image2->width() + CellSize - 1) / CellSize;
  return FindSpots(Grid, columns,
                   [tab](int value) { return FindRosterRow(tab, value) != nullptr; });
}

int TForm1::HighlightedSpot() const {
  if (highlightTab_ != state_.CurrentTab) return -1;
  const std::vector<SceneSpot> spots = PageSpots();
  for (std::size_t i = 0; i < spots.size(); ++i)
    if (spots[i].value == highlightValue_) return static_cast<int>(i);
  return -1;
}

void TForm1::ShowSpots1Click() {
  ShowSpots1->setChecked(!ShowSpots1->isChecked());
  Spots->update();
}

void TForm1::ReadAloud1Click() {
  ReadAloud1->setChecked(!ReadAloud1->isChecked());
  WriteFlagSetting(context_.platform, setting::kReadAloud, ReadAloud1->isChecked());
  if (!ReadAloud1->isChecked()) context_.platform.StopSaying();
}

void TForm1::SayAloud(const QString& text) {
  quenna::SayAloud(context_.platform, text);
}

bool TForm1::FormKeyDown(QKeyEvent& key) {
  // The menu's own shortcuts take these while the window is active; this is for when it
  // is not the active window of the desktop but still has the keyboard.
  if (key.modifiers() == Qt::ControlModifier) {
    for (QAction* item : {New1, Open1, SaveAs1, Exit1}) {
      if (item->shortcut() == QKeySequence(key.keyCombination()) && item->isEnabled()) {
        item->trigger();
        return true;
      }
    }
    return false;
  }
  if (!PlainKey(key)) return false;
  const bool onYearPage = !PageSpots().empty();
  switch (key.key()) {
    case Qt::Key_F1:
      Contents1->trigger();
      return true;
    case Qt::Key_H:
      if (!key.isAutoRepeat()) {
        holdingShowKey_ = true;
        Spots->update();
      }
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      if (!onYearPage) return false;
      const std::vector<SceneSpot> spots = PageSpots();
      const bool forward = key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
      const int next = NextSpot(static_cast<int>(spots.size()), HighlightedSpot(), forward);
      highlightTab_ = state_.CurrentTab;
      highlightValue_ = spots[static_cast<std::size_t>(next)].value;
      Spots->update();
      return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      const int spot = HighlightedSpot();
      if (spot >= 0 && Image2->isEnabled()) {
        const int cell = PageSpots()[static_cast<std::size_t>(spot)].anchorCell;
        const int x = cell / kGridRowsPerColumn * CellSize + CellSize / 2;
        const int y = cell % kGridRowsPerColumn * CellSize + CellSize / 2;
        Guarded([this, x, y] { Image2MouseDown(Qt::LeftButton, x, y); });
        return true;
      }
      if (PressFocusedButton(*this)) return true;
      // The title's default button, then the cover: Enter opens the card game.
      if (PressButton(Startgame)) return true;
      if (state_.GameStarted && state_.CurrentTab == kCoverTab && Dates->isVisible() &&
          Image2->isEnabled()) {
        Guarded([this] { Image2MouseDown(Qt::LeftButton, 0, 0); });
        return true;
      }
      return false;
    }
    case Qt::Key_Escape:
      if (About->isVisible()) {
        About->hide();
        return true;
      }
      if (highlightTab_ == -1) return false;
      highlightTab_ = -1;
      Spots->update();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      // The narration scrolls with these while it has the focus.
      if (QApplication::focusWidget() == Narr2) return false;
      [[fallthrough]];
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      if (!Dates->isVisible() || !Dates->isEnabled()) return false;
      const bool back =
          key.key() == Qt::Key_Up || key.key() == Qt::Key_Left || key.key() == Qt::Key_PageUp;
      const int tab = std::clamp(Dates->currentIndex() + (back ? -1 : 1), 0, Dates->count() - 1);
      if (tab != Dates->currentIndex()) Dates->setCurrentIndex(tab);
      return true;
    }
    case Qt::Key_L:
      return ControlPanel->isVisible() && PressButton(Look);
    case Qt::Key_T:
      return ControlPanel->isVisible() && PressButton(Talk);
    case Qt::Key_R:
      return ControlPanel->isVisible() && PressButton(Read1);
    case Qt::Key_V:
      return ControlPanel->isVisible() && PressButton(VButton);
    case Qt::Key_S:
      if (text1->isVisible()) {
        SayAloud(text1->text());
      } else if (Narr2->isVisible()) {
        SayAloud(Narr2->toPlainText());
      } else if (Scores->isVisible()) {
        SayAloud(Scores->text());
      }
      return true;
    default:
      return false;
  }
}

bool TForm1::FormKeyUp(QKeyEvent& key) {
  if (key.key() != Qt::Key_H || !PlainKey(key)) return false;
  if (!key.isAutoRepeat()) {
    holdingShowKey_ = false;
    Spots->update();
  }
  return true;
}

}  // namespace quenna
