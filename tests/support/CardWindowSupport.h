#pragma once

#include <QImage>
#include <QTest>

#include <functional>
#include <string>

#include "cards/CardPictures.h"
#include "cards/CardTable.h"
#include "cards/TPlayCards.h"
#include "shell/TForm1.h"
#include "support/TestGame.h"

namespace quenna::testing {

inline constexpr std::int64_t kCardSeed = 1'700'000'000;

// What the table picture shows at each place, read back from its pixels: a card's code,
// "XX" for bare felt, "??" for anything else (the three cards of the undealt table).
inline std::string ScreenDump(TPlayCards& window) {
  const QImage& table = window.Image1->Picture();
  std::string text;
  for (int slot = 0; slot < kTableSlots; ++slot) {
    const QImage place = table.copy(SlotX(slot), SlotY(slot), kCardWidth, kCardHeight);
    std::string shown = "??";
    if (place == CardPicture("GAP")) {
      shown = "XX";
    } else {
      for (char colour : kColourCharacters) {
        for (char rank : kRankCharacters) {
          const std::string code{rank, colour};
          if (place == CardPicture(code)) shown = code;
        }
      }
    }
    text += shown;
    text += ColumnOf(slot) == kTableColumns - 1 ? '\n' : ' ';
  }
  return text;
}

// The places where the picture differs from the layout, as "slot:shown".
inline std::string ScreenDifferences(TPlayCards& window) {
  const std::string screen = ScreenDump(window);
  const std::string layout = DumpLayout(window.Cards.CardLayout);
  std::string differences;
  for (int slot = 0; slot < kTableSlots; ++slot) {
    const auto at = static_cast<std::size_t>(slot * 3);
    if (screen.compare(at, 2, layout, at, 2) != 0) {
      differences +=
          (differences.empty() ? "" : " ") + std::to_string(slot) + ":" + screen.substr(at, 2);
    }
  }
  return differences.empty() ? "as laid" : differences;
}

// The controls a player sees, in a fixed order: "(off)" when disabled, [text] for labels.
inline std::string ViewDump(TPlayCards& window) {
  std::string text;
  auto add = [&](QWidget* widget, const char* name, const QString* caption = nullptr) {
    if (!widget->isVisibleTo(&window)) return;
    if (!text.empty()) text += ' ';
    text += name;
    if (!widget->isEnabled()) text += "(off)";
    if (caption) text += "[" + caption->toStdString() + "]";
  };
  const QString hint = window.Hint->text();
  const QString redeals = window.RLabel->text();
  const QString points = window.Points->text();
  add(window.Image1, "Image1");
  add(window.OrnPic, "OrnPic");
  add(window.MoreInfo, "MoreInfo");
  add(window.HintBtn, "HintBtn");
  add(window.DealCards, "DealCards");
  add(window.Redeal, "Redeal");
  add(window.Hint, "Hint", &hint);
  add(window.OrnTalks, "OrnTalks");
  add(window.Continue, "Continue");
  add(window.RLabel, "RLabel", &redeals);
  add(window.Points, "Points", &points);
  return text;
}

// A press with the left button at the middle of a place, in table pixels.
inline void PressSlot(TPlayCards& window, int slot) {
  QTest::mouseClick(window.Image1, Qt::LeftButton, {}, QPoint(SlotX(slot) + 20, SlotY(slot) + 30));
}

// Presses a place, drags the card over the table and lets go of it at another place's
// middle.
inline void DragSlot(TPlayCards& window, int from, int to) {
  const QPoint start(SlotX(from) + 20, SlotY(from) + 30);
  const QPoint end(SlotX(to) + 20, SlotY(to) + 30);
  QTest::mousePress(window.Image1, Qt::LeftButton, {}, start);
  QTest::mouseMove(window.Image1, (start + end) / 2);
  QTest::mouseMove(window.Image1, end);
  QTest::mouseRelease(window.Image1, Qt::LeftButton, {}, end);
}

// A key pressed as the player presses it: to the control that has the focus.
inline void PressKey(TPlayCards& window, Qt::Key key) {
  QWidget* focus = window.focusWidget();
  QTest::keyClick(focus != nullptr ? focus : &window, key);
}

// Moves the keyboard's cursor to a place with the arrow keys.
inline void MoveCursorTo(TPlayCards& window, int slot) {
  for (int step = 0; step < 40 && window.CursorSlot() != slot; ++step) {
    const int at = window.CursorSlot();
    if (at == kNoSlot) {
      PressKey(window, Qt::Key_Down);
    } else if (RowOf(at) != RowOf(slot)) {
      PressKey(window, RowOf(at) < RowOf(slot) ? Qt::Key_Down : Qt::Key_Up);
    } else {
      PressKey(window, ColumnOf(at) < ColumnOf(slot) ? Qt::Key_Right : Qt::Key_Left);
    }
  }
}

inline void LayTable(TPlayCards& window, const std::string& layout) {
  window.Cards.CardLayout = ParseLayout(layout);
  window.DisplayCards();
}

// Clicks the date book's cover; the card window opens and `driver` plays it.
inline void OpenCards(TestGame& test, const std::function<void(TPlayCards&)>& driver) {
  test.platform.ExpectModal(
      [driver](QWidget& window) { driver(static_cast<TPlayCards&>(window)); });
  test.Form().Image2MouseDown(Qt::LeftButton, 40, 40);
}

inline TPlayCards& Cards(TestGame& test) {
  return test.game->PlayCards();
}

// One table short of the win: the blue Thirteen waits for the gap after the blue Twelve.
inline const std::string kNearlyWon =
    "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
    "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB XX DB\n"
    "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n";

// The lights of a won table end at a click, as a player who does not wait for them.
inline void SkipCelebration(TPlayCards& window) {
  if (window.Celebrating()) QTest::mouseClick(window.Image1, Qt::LeftButton);
}

// Deals, lays the nearly won table, makes the winning move and skips the lights.
inline void WinTheGame(TPlayCards& window) {
  window.DealCardsClick();
  LayTable(window, kNearlyWon);
  PressSlot(window, 27);
  PressSlot(window, 26);
  SkipCelebration(window);
}

}  // namespace quenna::testing
