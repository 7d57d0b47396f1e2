#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quenna {

// The virtue card patience: 39 cards, thirteen ranks in red, blue and white, laid out in
// 3 rows of 14 slots with three gaps. A card moves into a gap only right after the card
// one rank lower of its own colour, or into the first column when it is a One. The game
// is won when each colour stands in order from the first column of a row.
//
// A card is named by two characters, rank then colour: "1R", "9W", "AB" (ten), "DR"
// (thirteen). "XX" is a gap. The same names label the pictures of the faces.
using CardCode = std::string;

inline constexpr int kTableRows = 3;
inline constexpr int kTableColumns = 14;
inline constexpr int kTableSlots = kTableRows * kTableColumns;
inline constexpr int kRanks = 13;
// A selected slot of 99 means no card has been chosen.
inline constexpr int kNoSlot = 99;
inline const CardCode kGap = "XX";

// Rank characters in order, and the colours as they stand in the ordered layout.
inline constexpr std::string_view kRankCharacters = "123456789ABCD";
inline constexpr std::string_view kColourCharacters = "RBW";

using Slots = std::array<CardCode, kTableSlots>;
using RowRuns = std::array<int, kTableRows>;

// The game's random numbers: every draw (a shuffle pass, a task's virtue) starts afresh
// from the clock's whole seconds, so draws within the same second repeat. Non-negative.
class SecondsRandom {
 public:
  explicit SecondsRandom(std::int64_t seedSeconds);
  int Next();

 private:
  std::minstd_rand engine_;
};
// Shuffle strides of the three skills: the larger the stride, the fewer exchanges.
enum ShuffleStrides : int { kEasyStride = 7, kMediumStride = 4, kDifficultStride = 1 };

// Everything the table rules work on. The layout outlives a card game: a new deal on
// the same skill shuffles what the previous game left behind.
struct CardTable {
  Slots CardLayout;
  std::array<bool, kTableSlots> Locked{};  // slots a redeal keeps in place
  int ShuffleStride = kEasyStride;
  RowRuns RowRun{};
};

bool IsGap(const CardCode& code);
// Rank 1..13 of a rank character; 0 for anything else ("X" of a gap).
int RankOf(char rank);
// The rank character that follows, "9" then "A"; 0 after "D" or a gap's "X".
char NextRank(char rank);
int RowOf(int slot);
int ColumnOf(int slot);

// Each row holds one colour from One to Thirteen, with the gap in the last column.
Slots OrderedLayout();
CardTable NewCardTable();

// Takes the skill's stride. When it differs from the one used before, the layout goes
// back to the ordered state; otherwise the next deal shuffles the current layout on.
// Returns true when the layout was reset.
bool NewDeck(CardTable& table, int stride);

// One shuffle pass, seeded by the clock's whole seconds: walks i down from 41 by the
// stride and exchanges slot i with slot 1 + random mod i, unless either is locked.
// Slot 0 can move only on the smallest stride, at the pass's last step.
void Shuffle(CardTable& table, std::int64_t seedSeconds);

// A deal's shuffle: one pass. Passes within the same second repeat their numbers, so a
// second deal in the same second can undo the first and lay every colour out in order,
// a table with no move and nothing to play. Such a deal shuffles on with the numbers of
// the seconds after, until the cards are out of order.
void DealShuffle(CardTable& table, std::int64_t seedSeconds);

// True when the card in `selected` may NOT go into the gap at `target`.
bool CheckSequence(const Slots& layout, int selected, int target);

// The gaps that take the card in `selected`, in slot order: the one after the card one
// rank lower of its colour, or for a One every gap of the first column. None for a gap.
std::vector<int> LegalGaps(const Slots& layout, int selected);

// The length of the run One, Two, Three... of one colour from the row's first column.
int RowCheck(const Slots& layout, int rowStart);
RowRuns RowStatus(const Slots& layout);

// True when the gap at `slot` (column 1..13) can take a card: a card other than a
// Thirteen stands on its left, and its successor is somewhere on the table.
bool GetMoves(const Slots& layout, int slot);

enum BlockedResult : int { kMoveLeft = 0, kNoMoveLeft = 1, kTableWon = 2 };
// Whether a move is left, and whether the table is won when none is.
BlockedResult Blocked(const Slots& layout);

// After a redeal's shuffle: the gaps, taken in slot order before any change, are
// exchanged one after another with the slot right after each row's run.
void MakeSpace(Slots& layout, const RowRuns& runs);

// A redeal: each row's finished start stays where it is; everything else is shuffled
// three times over and each row gets a gap right after its run.
void Redeal(CardTable& table, std::int64_t seedSeconds);

// The layout as three lines of fourteen codes, for tests and bug reports.
std::string DumpLayout(const Slots& layout);
// Reads a dump back; blanks and line breaks between codes are free.
Slots ParseLayout(const std::string& text);

}  // namespace quenna
