#include "cards/CardCoach.h"

#include <algorithm>

#include "core/WorldTables.h"

namespace quenna {

int BasePoints(int shuffleStride) {
  switch (shuffleStride) {
    case kDifficultStride:
      return 20;
    case kMediumStride:
      return 15;
    default:
      return 10;
  }
}

int CardPoints(int shuffleStride, int redealCount) {
  return BasePoints(shuffleStride) - redealCount;
}

namespace {
// Past some 140 redeals the points would wrap round in the level's bytes into a large
// bonus, so they stop at the lowest value a byte holds.
int CreditedPoints(int cardPoints) {
  return std::max(cardPoints, kLowestCredit);
}
}  // namespace

int ShownPoints(int shuffleStride, int redealCount) {
  return 2 * CreditedPoints(CardPoints(shuffleStride, redealCount)) + 3;
}

std::array<LevelCredit, 4> WinCredit(int cardPoints) {
  const auto amount = static_cast<std::int8_t>(CreditedPoints(cardPoints));
  return {{{2, amount}, {3, 1}, {4, amount}, {5, 1}}};
}

bool GetHints(const Slots& layout, int slot) {
  if (ColumnOf(slot) == 0) return true;
  return GetMoves(layout, slot);
}

namespace {
std::string_view ColourWord(char colour) {
  if (colour == 'W') return "WHITE ";
  if (colour == 'R') return "RED ";
  return "Blue ";
}
}  // namespace

std::optional<std::string> HintText(const Slots& layout, bool redealEnabled, bool tableNotDealt) {
  if (redealEnabled) return std::string(kRedealHint);
  if (tableNotDealt) return std::string(kDealHint);
  for (int slot = 0; slot < kTableSlots; ++slot) {
    if (!IsGap(layout[static_cast<std::size_t>(slot)]) || !GetHints(layout, slot)) continue;
    if (ColumnOf(slot) == 0) return std::string(kOneCardHint);
    const CardCode& left = layout[static_cast<std::size_t>(slot - 1)];
    const std::string colour(ColourWord(left[1]));
    const int rank = RankOf(left[0]);
    return "Put the " + colour + std::to_string(rank + 1) + " after the " + colour +
           std::to_string(rank) + ".";
  }
  return std::nullopt;
}

std::string CardName(const CardCode& card) {
  std::string_view colour = "White";
  if (card[1] == 'R') colour = "Red";
  if (card[1] == 'B') colour = "Blue";
  return std::string(colour) + " " + std::to_string(RankOf(card[0]));
}

std::string RefusalText(const Slots& layout, int selected, int target) {
  if (selected < 0 || selected >= kTableSlots || target < 0 || target >= kTableSlots) return {};
  const CardCode& card = layout[static_cast<std::size_t>(selected)];
  if (IsGap(card) || !CheckSequence(layout, selected, target)) return {};
  if (card[0] == '1') return "The " + CardName(card) + " goes at the beginning of a row.";
  const CardCode before{kRankCharacters[static_cast<std::size_t>(RankOf(card[0]) - 2)], card[1]};
  const std::string where = "The " + CardName(card) + " goes after the " + CardName(before) + ".";
  if (ColumnOf(target) == 0) return "Only a 1 card may begin a row.  " + where;
  return where;
}

const TaskPerson& TaskPersonFor(int cardRoundsDone) {
  if (cardRoundsDone < 1 || cardRoundsDone >= static_cast<int>(kTaskPersons.size())) {
    return kTaskPersons[0];
  }
  return kTaskPersons[static_cast<std::size_t>(cardRoundsDone)];
}

int DrawVirtue(std::int64_t seedSeconds) {
  SecondsRandom random(seedSeconds);
  return 1 + random.Next() % kVirtueCount;
}

Task AssignTask(int cardRoundsDone, int taskVirtue, std::int64_t seedSeconds) {
  const TaskPerson& person = TaskPersonFor(cardRoundsDone);
  Task task;
  task.tab = person.tab;
  task.virtue = taskVirtue != 0 ? taskVirtue : DrawVirtue(seedSeconds);
  task.text = "There is now a task you must complete.  Please talk to ";
  task.text += person.text;
  task.text += "  You are seeking the virtue of ";
  task.text += VirtueName(SoughtVirtue(task.virtue));
  return task;
}

}  // namespace quenna
