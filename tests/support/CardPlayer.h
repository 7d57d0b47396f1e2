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

// Plays the dealt table in the card window through its controls until the hero
// congratulates: a card press and a gap press per move, " Redeal" whenever it is offered.
// The clock moves a second before each step, so each redeal shuffles differently.
inline CardGamePlayed PlayDealtGame(TPlayCards& cards, FakePlatform& platform,
                                    int moveLimit = 2000) {
  CardGamePlayed played;
  while (!cards.Continue->isVisible() && played.moves < moveLimit) {
    platform.AdvanceMilliseconds(1000);
    if (cards.Redeal->isEnabled()) {
      cards.Redeal->click();
      ++played.redeals;
      continue;
    }
    const std::optional<CardMove> move = ChooseMove(cards.Cards.CardLayout);
    if (!move) {
      played.stuckTable = DumpLayout(cards.Cards.CardLayout);
      return played;
    }
    PressSlot(cards, move->from);
    PressSlot(cards, move->to);
    ++played.moves;
  }
  played.won = cards.Continue->isVisible();
  return played;
}

}  // namespace quenna::testing
