#include "store/ScoreLine.h"

#include <algorithm>
#include <cstdlib>

namespace quenna {
namespace {

// Decimal text of a value for a field of the given number of digits: zero-padded when
// it fits, else in full with its sign.
std::string FieldText(int value, int digits) {
  std::string text = std::to_string(std::abs(value));
  const int width = value < 0 ? digits - 1 : digits;
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
  }
  if (value < 0) text.insert(0, 1, '-');
  return text;
}

}  // namespace

void ScoreLine::Begin(int level) {
  text_.fill(' ');
  std::copy(kScoreLineTemplate.begin(), kScoreLineTemplate.end(), text_.begin());
  rowSum_ = 0;
  WriteField(kLevelUnitsColumn, level, 2);
}

void ScoreLine::AddScore(int position, std::int8_t value) {
  rowSum_ += value;
  WriteField(position, value, 2);
}

std::string ScoreLine::Finish() {
  WriteField(kSumUnitsColumn, rowSum_, 3);
  return std::string(text_.begin(), text_.end());
}

void ScoreLine::WriteField(int unitsPosition, int value, int digits) {
  const std::string text = FieldText(value, digits);
  const int first = unitsPosition + 1 - static_cast<int>(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    const int at = first + static_cast<int>(k);
    if (at >= 0 && at < kScoreLineLength) text_[static_cast<std::size_t>(at)] = text[k];
  }
}

LevelList BuildLevelList(const LevelTable& table, int lineCount) {
  LevelList list;
  const int levelLines = std::clamp(lineCount - 1, 0, LevelTable::kRows);

  list.FirstOpenRow = lineCount;
  for (int d = std::min(lineCount - 2, LevelTable::kRows - 1); d >= 1; --d) {
    if (!table.RowComplete(d)) list.FirstOpenRow = d;
  }
  list.LastReplayLine = lineCount - 2;

  ScoreLine line;
  for (int d = 1; d <= levelLines; ++d) {
    line.Begin(d);
    for (int column = 0; column < LevelTable::kVirtueColumns; ++column) {
      line.AddScore(kVirtueUnitsColumns[static_cast<std::size_t>(column)],
                    table.Value(d - 1, column));
    }
    list.lines.push_back(line.Finish());
  }
  list.total = table.PointsTotal();
  return list;
}

}  // namespace quenna
