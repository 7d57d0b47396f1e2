#include <gtest/gtest.h>

#include "core/AnswerMarks.h"
#include "core/LevelTable.h"
#include "core/WorldTables.h"

namespace quenna {
namespace {

// The level counter follows the first incomplete row; a wrapped progress value is incomplete.
TEST(LevelTable, FirstOpenLevelFollowsTheProgressColumn) {
  LevelTable table;
  EXPECT_EQ(table.FirstOpenLevel(), 1);

  for (int row = 0; row < 54; ++row) table.Set(row, LevelTable::kProgressColumn, 3);
  EXPECT_EQ(table.FirstOpenLevel(), 55);
  table.Set(54, LevelTable::kProgressColumn, 3);
  EXPECT_EQ(table.FirstOpenLevel(), 56);

  // 127 + 1 wraps to -128: counted as not complete.
  table.Set(10, LevelTable::kProgressColumn, 127);
  table.Add(10, LevelTable::kProgressColumn, 1);
  EXPECT_EQ(table.Value(10, LevelTable::kProgressColumn), -128);
  EXPECT_EQ(table.FirstOpenLevel(), 11);

  // Card win (+2 in all) then a correct answer (+1): complete.
  LevelTable fresh;
  fresh.Add(0, 3, 1);
  fresh.Add(0, 3, 1);
  EXPECT_EQ(fresh.FirstOpenLevel(), 1);
  fresh.Add(0, 3, 1);
  EXPECT_EQ(fresh.FirstOpenLevel(), 2);
}

// Clearing a level keeps value 13 and the other rows; the total counts progress too.
TEST(LevelTable, ClearPointsKeepsValueThirteenAndTotalsDropByTheClearedPoints) {
  LevelTable table;
  for (int column = 0; column < LevelTable::kColumns; ++column) {
    table.Set(4, column, column + 1);
    table.Set(5, column, 2);
  }
  const int before = table.PointsTotal();
  EXPECT_EQ(before, (1 + 13) * 13 / 2 + 2 * 13);  // value 13 of each row not counted
  EXPECT_EQ(table.SumOfAllValues(), (1 + 14) * 14 / 2 + 2 * 14);

  table.ClearPoints(4);
  EXPECT_EQ(table.Value(4, 13), 14);
  EXPECT_EQ(table.Value(4, 3), 0);
  EXPECT_EQ(table.Value(5, 0), 2);
  EXPECT_EQ(table.PointsTotal(), before - (1 + 13) * 13 / 2);

  // Points of every level are signed bytes: negative card points lower the total.
  table.Add(0, 2, -5);
  EXPECT_EQ(table.PointsTotal(), before - (1 + 13) * 13 / 2 - 5);
}

// Rows and columns outside the table are ignored, never written.
TEST(LevelTable, OutsideTheTableNothingIsWritten) {
  LevelTable table;
  table.Add(55, 3, 3);
  table.Add(-1, 3, 3);
  table.Set(0, 14, 9);
  table.Set(0, -1, 9);
  EXPECT_EQ(table, LevelTable{});
  EXPECT_EQ(table.Value(55, 3), 0);
}

// The 770 bytes run row after row and come back unchanged, value 13 included.
TEST(LevelTable, BytesRunRowAfterRow) {
  LevelTable table;
  table.Set(0, 0, 1);
  table.Set(0, 13, -7);
  table.Set(54, 13, 99);
  const auto bytes = table.Bytes();
  EXPECT_EQ(bytes[0], 1);
  EXPECT_EQ(bytes[13], -7);
  EXPECT_EQ(bytes[769], 99);
  EXPECT_EQ(LevelTable::FromBytes(bytes), table);
}

// Marks are kept for all forty speakers, and saved for all forty: the last two in the
// places of the speakers 0 and 8, whom the date book does not have. A replay frees the
// marks of its level only.
TEST(AnswerMarks, MarksOfEverySpeakerAndTheFreeingOfALevel) {
  AnswerMarks marks;
  marks.SetMark(39, 8, 12);
  marks.SetMark(37, 8, 12);
  marks.SetMark(1, 0, 3);
  marks.SetMark(40, 0, 5);  // no such speaker: ignored
  EXPECT_EQ(marks.Mark(39, 8), 12);
  EXPECT_TRUE(marks.Answered(1, 0));

  marks.SetMark(38, 0, 4);
  const auto saved = marks.SavedBytes();
  EXPECT_EQ(saved[341], 12);        // speaker 37, question 8
  EXPECT_EQ(saved[0], 4);           // speaker 38, question 0, in speaker 0's place
  EXPECT_EQ(saved[8 * 9 + 8], 12);  // speaker 39, question 8, in speaker 8's place
  AnswerMarks loaded;
  loaded.LoadSavedBytes(saved);
  EXPECT_EQ(loaded, marks);
  EXPECT_EQ(loaded.Mark(39, 8), 12);
  EXPECT_EQ(loaded.Mark(38, 0), 4);
  EXPECT_FALSE(loaded.Answered(0, 0));

  marks.FreeLevel(12);
  EXPECT_FALSE(marks.Answered(39, 8));
  EXPECT_FALSE(marks.Answered(37, 8));
  EXPECT_TRUE(marks.Answered(1, 0));
}

// Messages name virtue 13 and every number outside 1..12 "humility.".
TEST(WorldTables, VirtueNamesAndCharacters) {
  EXPECT_EQ(VirtueName(1), "temperance.");
  EXPECT_EQ(VirtueName(10), "cleanliness.");
  EXPECT_EQ(VirtueName(12), "chastity.");
  for (int outside : {13, 0, -1, 14, 113}) EXPECT_EQ(VirtueName(outside), "humility.");
  EXPECT_EQ(VirtueCharacterValue('1'), 1);
  EXPECT_EQ(VirtueCharacterValue('9'), 9);
  EXPECT_EQ(VirtueCharacterValue('A'), 10);
  EXPECT_EQ(VirtueCharacterValue('D'), 13);
  EXPECT_EQ(VirtueCharacter(11), 'B');
  EXPECT_FALSE(IsVirtueCharacter('0'));
  EXPECT_FALSE(IsVirtueCharacter('a'));
  EXPECT_EQ(kDateTabs[3].dateCaption, "-1720");
}

}  // namespace
}  // namespace quenna
