#include "cards/CardRound.h"

#include <algorithm>

namespace quenna {

int SlotX(int slot) {
  return kSlotGeometry.left + ColumnOf(slot) * kSlotGeometry.columnStep;
}

int SlotY(int slot) {
  const int row = std::clamp(RowOf(slot), 0, kTableRows - 1);
  return kSlotGeometry.rowTops[static_cast<std::size_t>(row)];
}

int SlotAt(int x, int y) {
  if (x < kSlotGeometry.left) return kNoSlot;
  const int column = (x - kSlotGeometry.left) / kSlotGeometry.columnStep;
  if (column >= kTableColumns) return kNoSlot;
  int row = 0;
  while (row < kTableRows - 1 &&
         y > kSlotGeometry.rowTops[static_cast<std::size_t>(row)] + kSlotGeometry.pressReach) {
    ++row;
  }
  return row * kTableColumns + column;
}

int DropSlotAt(int x, int y) {
  const SlotGeometry& g = kSlotGeometry;
  const int across = x - g.left + (g.columnStep - g.cardWidth) / 2;
  if (across < 0 || across >= kTableColumns * g.columnStep) return kNoSlot;
  const int rowStep = g.rowTops[1] - g.rowTops[0];
  const int margin = (rowStep - g.cardHeight) / 2;
  for (int row = 0; row < kTableRows; ++row) {
    const int top = g.rowTops[static_cast<std::size_t>(row)] - margin;
    if (y >= top && y < top + rowStep) return row * kTableColumns + across / g.columnStep;
  }
  return kNoSlot;
}

int SlotBeside(int slot, int columns, int rows) {
  const int column = std::clamp(ColumnOf(slot) + columns, 0, kTableColumns - 1);
  const int row = std::clamp(RowOf(slot) + rows, 0, kTableRows - 1);
  return row * kTableColumns + column;
}

void CardRound::NewLevel() {
  DealCount = kFreshGame;
  CardRoundDone = 0;
  Skipped = false;
}

void CardRound::Restore(int roundsDone, int roundDone) {
  CardRoundsDone = roundsDone;
  CardRoundDone = roundDone;
  DealCount = kFreshGame;
  Skipped = false;
}

void CardRound::StartFreshGame() {
  TableNotDealt = 1;
  DealCount = 0;
  Skipped = false;
  // A card lifted in an abandoned game is no longer held.
  Drop();
}

bool CardRound::Deal() {
  Drop();
  const bool first = TableNotDealt != 0;
  TableNotDealt = 0;
  DealCount += 1;
  return first;
}

void CardRound::Drop() {
  SelectedSlot = kNoSlot;
  CardLifted = false;
}

bool CardRound::Holding(const Slots& layout) const {
  return CardLifted && SelectedSlot >= 0 && SelectedSlot < kTableSlots &&
         !IsGap(layout[static_cast<std::size_t>(SelectedSlot)]);
}

CardPress CardRound::Press(Slots& layout, int slot) {
  if (slot == kNoSlot || TableNotDealt != 0) return CardPress::kIgnored;
  if (IsGap(layout[static_cast<std::size_t>(slot)])) {
    CardLifted = false;
    if (SelectedSlot == kNoSlot) {
      SelectedSlot = slot;
      return CardPress::kGapChosen;
    }
    // A refused card stays chosen: the next gap pressed tries it again.
    if (CheckSequence(layout, SelectedSlot, slot)) return CardPress::kRefused;
    // The chosen slot now names a gap, so a further press on a gap does nothing.
    layout[static_cast<std::size_t>(slot)] = layout[static_cast<std::size_t>(SelectedSlot)];
    layout[static_cast<std::size_t>(SelectedSlot)] = kGap;
    return CardPress::kMoved;
  }
  if (CardLifted) {
    // The pressed card is not chosen; pressing the lifted card's own place lands here too.
    CardLifted = false;
    return CardPress::kPutBack;
  }
  SelectedSlot = slot;
  CardLifted = true;
  return CardPress::kLifted;
}

void SkipCardGame(CardRound& round, LevelTable& table, int level) {
  if (round.CardRoundDone != 0) return;
  table.Set(level - 1, LevelTable::kProgressColumn, 3);
  round.CardRoundsDone += 1;
  round.CardRoundDone = 1;
  round.Skipped = true;
}

}  // namespace quenna
