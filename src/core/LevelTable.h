#pragma once

#include <array>
#include <cstdint>

namespace quenna {

// Points for one column of a level's row: a card win and a correct answer each record four.
struct LevelCredit {
  std::int8_t column;
  std::int8_t amount;
};

// The points of every level: 55 rows of 14 signed bytes, row r for level r + 1.
// Values 0..12 are the points of virtues 1..13; value 3 (resolution) also counts the
// level's progress, and the level is complete at 3 or more. Value 13 is kept and saved
// but never shown. Additions wrap as 8-bit values, and values read back are signed.
class LevelTable {
 public:
  static constexpr int kRows = 55;
  static constexpr int kColumns = 14;
  static constexpr int kVirtueColumns = 13;
  static constexpr int kProgressColumn = 3;
  static constexpr int kBytes = kRows * kColumns;
  // Levels played in one game: the game ends when the next level would be the 55th.
  static constexpr int kLastLevelPlayed = 54;

  using Row = std::array<std::int8_t, kColumns>;

  std::int8_t Value(int row, int column) const;
  void Set(int row, int column, int value);
  // 8-bit wrapping addition. A row or column outside the table is ignored.
  void Add(int row, int column, int amount);
  // Records a level's points: the four credits (a column may repeat), then 1 more progress.
  void Record(int row, const std::array<LevelCredit, 4>& credits);
  const Row& RowAt(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

  bool RowComplete(int row) const { return Value(row, kProgressColumn) >= 3; }
  // The first level, counting from level 1, whose row is not complete; 56 when all are.
  int FirstOpenLevel() const;
  // Values 0..12 of a row set to 0; value 13 stays.
  void ClearPoints(int row);
  void Clear() { rows_ = {}; }
  // Sum of values 0..12 of every row (the total score).
  int PointsTotal() const;
  // Sum of all 770 values, value 13 included (New Game's test for progress).
  int SumOfAllValues() const;

  std::array<std::int8_t, kBytes> Bytes() const;
  static LevelTable FromBytes(const std::array<std::int8_t, kBytes>& bytes);

  bool operator==(const LevelTable&) const = default;

 private:
  static bool Inside(int row, int column) {
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
  }
  std::array<Row, kRows> rows_{};
};

}  // namespace quenna
