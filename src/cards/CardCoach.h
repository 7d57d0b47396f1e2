#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cards/CardTable.h"
#include "core/LevelTable.h"

namespace quenna {

// What the hero makes of a card game: its points, the credit a win brings to the
// level, the hints, and the task he hands out afterwards.

// Points of a skill before any redeal: 10 on Easy, 15 on Medium, 20 on Difficult.
int BasePoints(int shuffleStride);
// A won game's points: one off for every redeal, with no floor.
int CardPoints(int shuffleStride, int redealCount);
// The lowest a win can credit to each of its columns: the level table holds signed bytes.
inline constexpr int kLowestCredit = -128;
// The figure the table shows, which is what a win adds to the level in all: the points
// stop at the lowest credit, as the credit does.
int ShownPoints(int shuffleStride, int redealCount);

// The columns of the level table a win adds to, with their amounts. They are the
// columns of order, resolution, frugality and industry; recording adds one more to
// resolution, the level's progress, so the level grows by 2 x CardPoints + 3.
std::array<LevelCredit, 4> WinCredit(int cardPoints);

// True when a hint can be given for the gap at `slot`: it opens a row, or a card
// other than a Thirteen stands on its left.
bool GetHints(const Slots& layout, int slot);
// The hint the "Hint" button shows, or nothing when no gap qualifies.
std::optional<std::string> HintText(const Slots& layout, bool redealEnabled, bool tableNotDealt);

// A card as the hint line names it: its colour and its rank as the face shows it,
// "Red 7", "White 13".
std::string CardName(const CardCode& card);
// Why the card in `selected` may not go into the gap at `target`, said where the hint
// line stands: where that card goes instead ("The Red 7 goes after the Red 6.", "The Blue 1
// goes at the beginning of a row."), with a word on the first column when the gap is
// there. Empty when there is no card in `selected` or the move is legal.
std::string RefusalText(const Slots& layout, int selected, int target);

inline constexpr std::string_view kRedealHint = "Press the REDEAL button.";
inline constexpr std::string_view kDealHint = "Press the DEAL button.";
inline constexpr std::string_view kOneCardHint = "Put a 1 card at the beginning of the row.";

// The hero's lines in the card window.
inline constexpr std::string_view kHelpOpening =
    "I have always loved playing games, and I have found them quite instructive too.  I "
    "sometimes learned languages by playing chess matches with my friends; the loser of the "
    "match having to do the translations, you see.";
inline constexpr std::array<std::string_view, 3> kHelpSteps = {
    "I have devised this little card game to entertain you, while you learn about my life, "
    "The cards must be put in the proper sequence.  For example, a red Two may only be moved "
    "into a space after a red One.",
    "First click on the card you want to move.  Then click on a space where you want to move "
    "it.  The cards must go in sequence and in the same color.  You may place a One card at "
    "the beginning of any row.",
    "You may shuffle up to three times before you begin without penalty.  But once you move "
    "a card, you may not reshuffle without losing points! ",
};
inline constexpr std::string_view kCongratulation =
    "Congratulations... you have played my little game very well so far.";

// The person of each card round's task and the page where they are met. Rounds 1 to 6
// name one person; any other round lets the player choose on any page.
struct TaskPerson {
  std::string_view text;
  int tab;
};
inline constexpr std::array<TaskPerson, 7> kTaskPersons = {{
    {"the person of your choice from my datebook.", 99},
    {"Wynnet in 1746.", 9},
    {"young Orn in 1716.", 1},
    {"Ebbart in 1776.", 11},
    {"Fennick in 1752.", 10},
    {"Tullan in 1722.", 3},
    {"Corvane in 1719.", 2},
}};
const TaskPerson& TaskPersonFor(int cardRoundsDone);

// A virtue 1..13, each equally likely, from the clock's whole seconds.
int DrawVirtue(std::int64_t seedSeconds);

struct Task {
  std::string text;  // what the hero says
  int tab = 0;       // the page where talking is allowed, 99 for every page
  int virtue = 0;    // the value to store as the task's virtue
};
// The task of a card round. A virtue already chosen for the level (with or without the
// bonus mark of 100 an answer adds) is kept as it is; only none draws a new one.
Task AssignTask(int cardRoundsDone, int taskVirtue, std::int64_t seedSeconds);

}  // namespace quenna
