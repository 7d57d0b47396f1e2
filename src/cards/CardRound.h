#pragma once

#include <array>

#include "cards/CardTable.h"
#include "core/LevelTable.h"

namespace quenna {

// Where the card places lie on the table picture (632 x 424 pixels): one table for drawing
// a card at its slot and for finding the slot a press names. Columns stand 45 pixels apart
// from x = 5 and rows 90 apart from y = 100. A press counts for a row down to 50 pixels
// below the row's top, so one on the lowest 9 pixel rows of a card in row 0 or 1 counts
// for the row below; every press at x >= 5 over the fourteen columns names a slot.
struct SlotGeometry {
  int left;
  int columnStep;
  std::array<int, kTableRows> rowTops;
  int pressReach;
  int cardWidth;
  int cardHeight;
};
inline constexpr SlotGeometry kSlotGeometry = {5, 45, {100, 190, 280}, 50, 40, 60};

// The top-left corner of a slot's card.
int SlotX(int slot);
int SlotY(int slot);
// The slot a press at (x, y) names, or kNoSlot left of the first column or right of the last.
int SlotAt(int x, int y);
// The place a dragged card lands in when let go of with its middle at (x, y): each place
// owns the felt around it half the way to its neighbours, so a card lands where it is
// seen to lie; kNoSlot beside and between the rows' bands, above and below them.
int DropSlotAt(int x, int y);
// The slot `columns` across and `rows` down from `slot`, stopping at the table's edges
// (the keyboard's cursor).
int SlotBeside(int slot, int columns, int rows);

// What a press on the table did (CardRound::Press).
enum class CardPress {
  kIgnored,    // no slot, or the table not dealt yet
  kGapChosen,  // a gap pressed before any card: remembered, refused later
  kRefused,    // the chosen card may not go into the pressed gap
  kMoved,      // the chosen card went into the pressed gap
  kPutBack,    // a card pressed while one was lifted: the lifted one goes back
  kLifted,     // the pressed card is chosen and lifted off the table
};

// The counters of the card game: the deals of this game, the rounds of the whole game and
// the card that is chosen. The card window keeps them; the main window changes them only
// through the operations named for its events.
struct CardRound {
  // DealCount's mark asking for a fresh card game at the next opening of the window.
  static constexpr int kFreshGame = 99;
  static constexpr int kMostDeals = 3;

  int DealCount = 0;           // deals in this card game, 0..3, or kFreshGame
  int CardRoundsDone = 0;      // card rounds completed; picks the task's person
  int CardRoundDone = 0;       // 1 once this level's card game is won or skipped
  int TableNotDealt = 99;      // nonzero until the first deal of a fresh game
  int SelectedSlot = kNoSlot;  // the card chosen to move, or the gap pressed first
  bool CardLifted = false;     // the chosen card is shown lifted off the table
  bool Skipped = false;        // this level's card game was skipped (the card game off)

  // The main window's operations.
  // A new level: its card game is played afresh, and it is not done yet.
  void NewLevel();
  // The rounds done follow the level: one for each level before it.
  void ReachLevel(int level) { CardRoundsDone = level - 1; }
  // An opened saved game's counters; its card game is dealt afresh.
  void Restore(int roundsDone, int roundDone);
  bool Dealt() const { return TableNotDealt == 0; }
  // Whether the level's task was earned by a card game played on this table, so that its
  // redeals and points belong with the task: not when the game was skipped, nor when no
  // table has been dealt since the level began or the game was opened.
  bool TaskEarnedAtTable() const { return !FreshGameAsked() && !Skipped; }

  // The card window's operations.
  bool FreshGameAsked() const { return DealCount == kFreshGame; }
  void StartFreshGame();
  // A deal: nothing stays chosen. Returns true for the first deal of the game, which
  // uncovers the table.
  bool Deal();
  bool DealsLeft() const { return DealCount < kMostDeals; }
  // Nothing stays chosen or lifted (a redeal).
  void Drop();
  // The lifted card goes back to its place and stays chosen, as when another card is
  // pressed (a drag let go of anywhere but a gap).
  void PutBack() { CardLifted = false; }
  // The card chosen and lifted, or nothing.
  bool Holding(const Slots& layout) const;
  // A press on a slot (kNoSlot for none) of the layout, which a move changes.
  CardPress Press(Slots& layout, int slot);
};

// The card game switched off: the level's card game counts as won (its progress complete,
// its round done) unless it is done already, and the card window goes straight to the task.
void SkipCardGame(CardRound& round, LevelTable& table, int level);

}  // namespace quenna
