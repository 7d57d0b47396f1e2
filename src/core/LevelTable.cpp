#include "core/LevelTable.h"

namespace quenna {

std::int8_t LevelTable::Value(int row, int column) const {
  if (!Inside(row, column)) return 0;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void LevelTable::Set(int row, int column, int value) {
  if (!Inside(row, column)) return;
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
      static_cast<std::int8_t>(static_cast<std::uint8_t>(value));
}

void LevelTable::Add(int row, int column, int amount) {
  Set(row, column, static_cast<std::uint8_t>(Value(row, column)) + amount);
}

void LevelTable::Record(int row, const std::array<LevelCredit, 4>& credits) {
  for (const LevelCredit& credit : credits) Add(row, credit.column, credit.amount);
  Add(row, kProgressColumn, 1);
}

int LevelTable::FirstOpenLevel() const {
  for (int row = 0; row < kRows; ++row) {
    if (!RowComplete(row)) return row + 1;
  }
  return kRows + 1;
}

void LevelTable::ClearPoints(int row) {
  for (int column = 0; column < kVirtueColumns; ++column) Set(row, column, 0);
}

int LevelTable::PointsTotal() const {
  int total = 0;
  for (const Row& row : rows_) {
    for (int column = 0; column < kVirtueColumns; ++column)
      total += row[static_cast<std::size_t>(column)];
  }
  return total;
}

int LevelTable::SumOfAllValues() const {
  int total = 0;
  for (const Row& row : rows_) {
    for (std::int8_t value : row) total += value;
  }
  return total;
}

std::array<std::int8_t, LevelTable::kBytes> LevelTable::Bytes() const {
  std::array<std::int8_t, kBytes> bytes{};
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      bytes[static_cast<std::size_t>(row * kColumns + column)] = Value(row, column);
    }
  }
  return bytes;
}

LevelTable LevelTable::FromBytes(const std::array<std::int8_t, kBytes>& bytes) {
  LevelTable table;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      table.Set(row, column, bytes[static_cast<std::size_t>(row * kColumns + column)]);
    }
  }
  return table;
}

}  // namespace quenna
