#include <gtest/gtest.h>

#include <string>

#include "store/ScoreLine.h"

namespace quenna {
namespace {

// The column key every line starts from, as the list has always shown it.
TEST(ScoreLine, TemplateIsTheColumnKey) {
  EXPECT_EQ(kScoreLineTemplate,
            "1             1             2         3        4          5          6          7"
            "          8          9            A              B           C         D         "
            "  S");
  EXPECT_EQ(kScoreLineTemplate.size(), 165u);
}

// A fresh game: 55 lines of "00" fields with the sum "000", a total of 0.
TEST(ScoreLine, FreshGameShowsFiftyFiveEmptyLevels) {
  const LevelList list = BuildLevelList(LevelTable{}, 56);
  ASSERT_EQ(list.lines.size(), 55u);
  EXPECT_EQ(list.lines[0],
            "01           00             00        00       00         00         00         "
            "00         00         00           00             00         00        00       "
            "    000");
  EXPECT_EQ(list.lines[54].substr(0, 2), "55");
  for (const std::string& line : list.lines) EXPECT_EQ(line.size(), 167u);
  EXPECT_EQ(list.total, 0);
  EXPECT_EQ(list.LastReplayLine, 54);
  EXPECT_EQ(list.FirstOpenRow, 1);  // row 0 is never examined
}

// Digits land on their columns: 7 reads "07", 25 "25", a row of 137 shows "137", and
// the grand total counts the full 137 (plus the other rows).
TEST(ScoreLine, DigitsLandOnTheirColumns) {
  LevelTable table;
  const int values[13] = {7, 25, 0, 3, 12, 0, 20, 4, 16, 0, 9, 11, 30};  // 137
  for (int column = 0; column < 13; ++column) table.Set(2, column, values[column]);
  table.Set(2, 13, 99);  // byte 13 is never shown nor counted
  table.Set(10, 0, 5);
  const LevelList list = BuildLevelList(table, 56);
  EXPECT_EQ(list.lines[2],
            "03           07             25        00       03         12         00         "
            "20         04         16           00             09         11        30       "
            "    137");
  EXPECT_EQ(list.lines[10].substr(160), "    005");
  EXPECT_EQ(list.total, 142);

  // A sum of exactly 100 and of 199 keep the leading "1".
  LevelTable hundreds;
  hundreds.Set(0, 0, 99);
  hundreds.Set(0, 1, 1);
  hundreds.Set(1, 0, 99);
  hundreds.Set(1, 1, 99);
  hundreds.Set(1, 2, 1);
  const LevelList sums = BuildLevelList(hundreds, 56);
  EXPECT_EQ(sums.lines[0].substr(164), "100");
  EXPECT_EQ(sums.lines[1].substr(164), "199");
}

// Values the two-digit fields have no room for are written in full, reaching left into
// the blanks, and never leave a trace on the next line.
TEST(ScoreLine, OutOfRangeValuesStayReadableAndInTheirColumns) {
  LevelTable table;
  table.Set(0, 0, -5);
  table.Set(0, 3, 127);
  table.Set(0, 12, -128);
  table.Set(1, 0, 100);
  table.Set(1, 1, 100);
  table.Set(1, 2, 50);                                                     // sum 250
  table.Set(2, 5, -5);                                                     // sum -5
  for (int column = 0; column < 13; ++column) table.Set(3, column, -128);  // sum -1664
  const LevelList list = BuildLevelList(table, 56);
  EXPECT_EQ(list.lines[0],
            "01           -5             00        00      127         00         00         "
            "00         00         00           00             00         00      -128       "
            "    -06");
  EXPECT_EQ(list.lines[1].substr(0, 40), "02          100            100        50");
  EXPECT_EQ(list.lines[1].substr(160), "    250");
  EXPECT_EQ(list.lines[2].substr(160), "    -05");
  EXPECT_EQ(list.lines[3].substr(149), "-128         -1664");
  EXPECT_EQ(list.lines[4], BuildLevelList(LevelTable{}, 56).lines[4]);
  for (const std::string& line : list.lines) {
    ASSERT_EQ(line.size(), 167u);
    int fields = 0;
    for (std::size_t k = 0; k < line.size(); ++k) {
      if (line[k] != ' ' && (k == 0 || line[k - 1] == ' ')) ++fields;
    }
    EXPECT_EQ(fields, 15) << line;
  }
  EXPECT_EQ(list.total, -5 + 127 - 128 + 250 - 5 - 1664);
}

// Which lines may be replayed: up to the first level not complete; the empty 56th line
// never; with every level complete, all 55.
TEST(ScoreLine, ReplayRules) {
  LevelTable table;
  table.Set(0, 3, 3);
  table.Set(1, 3, 4);  // levels 1 and 2 complete, level 3 open
  table.Set(3, 3, 3);  // level 4 complete out of turn
  const LevelList list = BuildLevelList(table, 56);
  EXPECT_EQ(list.FirstOpenRow, 2);
  std::string allowed;
  for (int line = 0; line < 56; ++line) {
    allowed += !ReplayOffered(line, list.LastReplayLine) ? '-'
               : ReplayAllowed(line, list.FirstOpenRow)  ? 'R'
                                                         : 'x';
  }
  EXPECT_EQ(allowed, "RRR" + std::string(52, 'x') + "-");

  LevelTable complete;
  for (int row = 1; row < 55; ++row) complete.Set(row, 3, 3);
  const LevelList all = BuildLevelList(complete, 56);
  EXPECT_EQ(all.FirstOpenRow, 56);
  for (int line = 0; line <= 54; ++line) EXPECT_TRUE(ReplayAllowed(line, all.FirstOpenRow));

  // A progress value that wrapped below zero is not complete.
  complete.Set(30, 3, -100);
  EXPECT_EQ(BuildLevelList(complete, 56).FirstOpenRow, 30);
}

}  // namespace
}  // namespace quenna
