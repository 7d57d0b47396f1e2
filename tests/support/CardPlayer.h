#pragma once

#include <optional>
#include <string>

#include "cards/CardTable.h"
#include "cards/TPlayCards.h"
#include "platform/FakePlatform.h"
#include "support/CardWindowSupport.h"

namespace quenna::testing {

struct CardMove {
  int from;
  int to;
};

// A plain player: the move that lengthens a row's finished start if there is one, else
// any card that is not yet part of a finished start (but no One from one row start to
// another, which gains nothing).
inline std::optional<CardMove> ChooseMove(const Slots& layout) {
  const RowRuns runs = RowStatus(layout);
  auto inRun = [&runs](int slot) {
    return ColumnOf(slot) < runs[static_cast<std::size_t>(RowOf(slot))];
  };
  std::optional<CardMove> fallback;
  for (int to = 0; to < kTableSlots; ++to) {
    if (!IsGap(layout[static_cast<std::size_t>(to)])) continue;
    for (int from = 0; from < kTableSlots; ++from) {
      if (IsGap(layout[static_cast<std::size_t>(from)]) || inRun(from)) continue;
      if (CheckSequence(layout, from, to)) continue;
      const bool extendsRun = ColumnOf(to) == runs[static_cast<std::size_t>(RowOf(to))];
      if (extendsRun) return CardMove{from, to};
      if (ColumnOf(from) == 0 && layout[static_cast<std::size_t>(from)][0] == '1') continue;
      if (!fallback) fallback = CardMove{from, to};
    }
  }
  return fallback;
}

// How a dealt card game went when the player program played it.
struct CardGamePlayed {
  int moves = 0;
  int redeals = 0;
  bool won = false;        // the hero came to congratulate
  std::string stuckTable;  // the layout when the player found no move, else empty
};

// How the player moves a card: a press on it and a press on the gap (the default), a
// drag, or the keyboard.
using MoveWay = void (*)(TPlayCards& window, int from, int to);
inline void ClickMove(TPlayCards& window, int from, int to) {
  PressSlot(window, from);
  PressSlot(window, to);
}
inline void DragMove(TPlayCards& window, int from, int to) {
  DragSlot(window, from, to);
}
// The arrows to the card, Enter, the arrows to the gap, Enter.
inline void KeyMove(TPlayCards& window, int from, int to) {
  MoveCursorTo(window, from);
  PressKey(window, Qt::Key_Return);
  MoveCursorTo(window, to);
  PressKey(window, Qt::Key_Return);
}

// Plays the dealt table in the card window through its controls until the hero
// congratulates: each move made the chosen way, " Redeal" whenever it is offered, and a
// click or a key that skips the lights of the win.
// The clock moves a second before each step, so each redeal shuffles differently.
inline CardGamePlayed PlayDealtGame(TPlayCards& cards, FakePlatform& platform, int moveLimit = 2000,
                                    MoveWay moveCard = ClickMove) {
  CardGamePlayed played;
  while (!cards.Continue->isVisible() && played.moves < moveLimit) {
    platform.AdvanceMilliseconds(1000);
    if (cards.Redeal->isEnabled()) {
      if (moveCard == KeyMove) {
        PressKey(cards, Qt::Key_R);
      } else {
        cards.Redeal->click();
      }
      ++played.redeals;
      continue;
    }
    const std::optional<CardMove> move = ChooseMove(cards.Cards.CardLayout);
    if (!move) {
      played.stuckTable = DumpLayout(cards.Cards.CardLayout);
      return played;
    }
    moveCard(cards, move->from, move->to);
    if (moveCard == KeyMove && cards.Celebrating()) PressKey(cards, Qt::Key_Space);
    SkipCelebration(cards);
    ++played.moves;
  }
  played.won = cards.Continue->isVisible();
  return played;
}

}  // namespace quenna::testing
