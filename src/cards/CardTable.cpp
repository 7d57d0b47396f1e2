#include "cards/CardTable.h"

#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quenna {

SecondsRandom::SecondsRandom(std::int64_t seedSeconds)
    : engine_(static_cast<std::minstd_rand::result_type>(seedSeconds)) {}

// minstd yields 1 .. 2^31 - 2, which fits an int and is never negative.
int SecondsRandom::Next() {
  return static_cast<int>(engine_());
}

bool IsGap(const CardCode& code) {
  return code == kGap;
}

int RankOf(char rank) {
  const auto at = kRankCharacters.find(rank);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char NextRank(char rank) {
  const int value = RankOf(rank);
  if (value == 0 || value == kRanks) return 0;
  return kRankCharacters[static_cast<std::size_t>(value)];
}

int RowOf(int slot) {
  return slot / kTableColumns;
}
int ColumnOf(int slot) {
  return slot % kTableColumns;
}

Slots OrderedLayout() {
  Slots layout;
  for (int row = 0; row < kTableRows; ++row) {
    for (int column = 0; column < kTableColumns; ++column) {
      CardCode& slot = layout[static_cast<std::size_t>(row * kTableColumns + column)];
      if (column < kRanks) {
        slot = {kRankCharacters[static_cast<std::size_t>(column)],
                kColourCharacters[static_cast<std::size_t>(row)]};
      } else {
        slot = kGap;
      }
    }
  }
  return layout;
}

CardTable NewCardTable() {
  CardTable table;
  table.CardLayout = OrderedLayout();
  return table;
}

bool NewDeck(CardTable& table, int stride) {
  if (table.ShuffleStride == stride) return false;
  table.ShuffleStride = stride;
  table.CardLayout = OrderedLayout();
  return true;
}

void Shuffle(CardTable& table, std::int64_t seedSeconds) {
  SecondsRandom random(seedSeconds);
  const int stride = table.ShuffleStride > 0 ? table.ShuffleStride : 1;
  for (int i = kTableSlots - 1; i >= 0; i -= stride) {
    const int j = i > 0 ? 1 + random.Next() % i : 1;
    const auto a = static_cast<std::size_t>(i);
    const auto b = static_cast<std::size_t>(j);
    if (!table.Locked[a] && !table.Locked[b]) std::swap(table.CardLayout[a], table.CardLayout[b]);
  }
}

void DealShuffle(CardTable& table, std::int64_t seedSeconds) {
  Shuffle(table, seedSeconds);
  // A pass almost never leaves the cards in order twice running; the bound only keeps a
  // broken generator from hanging the game.
  for (int later = 1; later <= 60 && Blocked(table.CardLayout) == kTableWon; ++later) {
    Shuffle(table, seedSeconds + later);
  }
}

bool CheckSequence(const Slots& layout, int selected, int target) {
  if (selected < 0 || selected >= kTableSlots || target < 0 || target >= kTableSlots) return true;
  const CardCode& source = layout[static_cast<std::size_t>(selected)];
  if (ColumnOf(target) == 0) return source[0] != '1';
  const CardCode& left = layout[static_cast<std::size_t>(target - 1)];
  const char expected = NextRank(left[0]);
  if (expected == 0 || source[0] != expected) return true;
  return source[1] != left[1];
}

std::vector<int> LegalGaps(const Slots& layout, int selected) {
  std::vector<int> gaps;
  if (selected < 0 || selected >= kTableSlots ||
      IsGap(layout[static_cast<std::size_t>(selected)])) {
    return gaps;
  }
  for (int slot = 0; slot < kTableSlots; ++slot) {
    if (IsGap(layout[static_cast<std::size_t>(slot)]) && !CheckSequence(layout, selected, slot)) {
      gaps.push_back(slot);
    }
  }
  return gaps;
}

int RowCheck(const Slots& layout, int rowStart) {
  const CardCode& first = layout[static_cast<std::size_t>(rowStart)];
  if (first[0] != '1' || kColourCharacters.find(first[1]) == std::string_view::npos) return 0;
  int run = 0;
  while (run < kRanks) {
    const CardCode& card = layout[static_cast<std::size_t>(rowStart + run)];
    if (card[0] != kRankCharacters[static_cast<std::size_t>(run)] || card[1] != first[1]) break;
    ++run;
  }
  return run;
}

RowRuns RowStatus(const Slots& layout) {
  RowRuns runs{};
  for (int row = 0; row < kTableRows; ++row) {
    runs[static_cast<std::size_t>(row)] = RowCheck(layout, row * kTableColumns);
  }
  return runs;
}

bool GetMoves(const Slots& layout, int slot) {
  if (slot < 1 || slot >= kTableSlots) return false;
  const CardCode& left = layout[static_cast<std::size_t>(slot - 1)];
  return !IsGap(left) && left[0] != 'D';
}

BlockedResult Blocked(const Slots& layout) {
  for (int row = 0; row < kTableRows; ++row) {
    if (IsGap(layout[static_cast<std::size_t>(row * kTableColumns)])) return kMoveLeft;
  }
  for (int slot = 1; slot < kTableSlots; ++slot) {
    if (IsGap(layout[static_cast<std::size_t>(slot)]) && GetMoves(layout, slot)) return kMoveLeft;
  }
  const RowRuns runs = RowStatus(layout);
  return runs[0] + runs[1] + runs[2] == kRanks * kTableRows ? kTableWon : kNoMoveLeft;
}

void MakeSpace(Slots& layout, const RowRuns& runs) {
  std::vector<int> gaps;
  for (int slot = 0; slot < kTableSlots; ++slot) {
    if (IsGap(layout[static_cast<std::size_t>(slot)])) gaps.push_back(slot);
  }
  for (int row = 0; row < kTableRows && row < static_cast<int>(gaps.size()); ++row) {
    const int after = row * kTableColumns + runs[static_cast<std::size_t>(row)];
    std::swap(layout[static_cast<std::size_t>(gaps[static_cast<std::size_t>(row)])],
              layout[static_cast<std::size_t>(after)]);
  }
}

void Redeal(CardTable& table, std::int64_t seedSeconds) {
  table.RowRun = RowStatus(table.CardLayout);
  table.Locked.fill(false);
  for (int row = 0; row < kTableRows; ++row) {
    for (int column = 0; column < table.RowRun[static_cast<std::size_t>(row)]; ++column) {
      table.Locked[static_cast<std::size_t>(row * kTableColumns + column)] = true;
    }
  }
  for (int pass = 0; pass < 3; ++pass) Shuffle(table, seedSeconds);
  MakeSpace(table.CardLayout, table.RowRun);
}

std::string DumpLayout(const Slots& layout) {
  std::string text;
  for (int slot = 0; slot < kTableSlots; ++slot) {
    text += layout[static_cast<std::size_t>(slot)];
    text += ColumnOf(slot) == kTableColumns - 1 ? '\n' : ' ';
  }
  return text;
}

Slots ParseLayout(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> codes;
  for (std::string code; in >> code;) codes.push_back(code);
  if (codes.size() != static_cast<std::size_t>(kTableSlots)) {
    throw std::invalid_argument("a card table has 42 slots, this one " +
                                std::to_string(codes.size()));
  }
  Slots layout;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (codes[i].size() != 2) throw std::invalid_argument("not a card code: " + codes[i]);
    layout[i] = codes[i];
  }
  return layout;
}

}  // namespace quenna
