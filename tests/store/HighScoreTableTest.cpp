#include <gtest/gtest.h>

#include <string>

#include "store/HighScoreTable.h"

namespace quenna {
namespace {

std::string Dump(const HighScoreTable& table) {
  std::string text;
  for (int slot = 0; slot < HighScoreTable::kSlots; ++slot) {
    text += std::to_string(table.Score(slot)) + " " + table.Name(slot) + "\n";
  }
  return text;
}

// The file format: score line, name line, ten times, line feeds only.
TEST(HighScoreTable, DefaultsAndTheirFile) {
  const HighScoreTable table;
  std::string expected;
  for (int slot = 0; slot < 10; ++slot) expected += "0\n***************\n";
  EXPECT_EQ(table.Text(), expected);

  HighScoreTable read;
  read.Set(3, 50, "Mara");
  EXPECT_EQ(read.Read(table.Text()), 10);
  EXPECT_EQ(read, table);
}

// A new score takes the lowest slot, ties to the smallest index; the list never moves.
TEST(HighScoreTable, NewScoresTakeTheLowestSlot) {
  HighScoreTable table;
  EXPECT_EQ(table.Enter(120, "Ann"), 0);   // first entry ever: slot 0
  EXPECT_EQ(table.Enter(120, "Ben"), 1);   // same score: below it, in slot 1
  EXPECT_EQ(table.Enter(300, "Cleo"), 2);  // higher: still the first default slot
  EXPECT_EQ(table.Text().substr(0, 27), "120\nAnn\n120\nBen\n300\nCleo\n0\n");

  HighScoreTable zero;
  zero.Enter(0, "Zed");
  EXPECT_EQ(zero.Enter(0, "Yan"), 0);  // a first score of 0 is the lowest: replaced

  HighScoreTable full;
  const int scores[10] = {500, 80, 600, 80, 700, 900, 90, 100, 85, 95};
  for (int slot = 0; slot < 10; ++slot) full.Set(slot, scores[slot], "P" + std::to_string(slot));
  const HighScoreTable before = full;
  EXPECT_EQ(full.LowestSlot(), 1);
  EXPECT_EQ(full.Enter(79, "Low"), std::nullopt);  // below everyone: nothing changes
  EXPECT_EQ(full, before);
  EXPECT_EQ(full.Enter(80, "Equal"), 1);  // equal to the lowest replaces it
  EXPECT_EQ(full.Enter(80, "Again"), 1);  // ties go to the smallest slot, again
  EXPECT_EQ(Dump(full),
            "500 P0\n80 Again\n600 P2\n80 P3\n700 P4\n900 P5\n90 P6\n100 P7\n85 P8\n95 P9\n");

  // Negative scores are written with their sign and read back.
  HighScoreTable negative;
  negative.Set(9, -12, "Neg");
  HighScoreTable again;
  again.Read(negative.Text());
  EXPECT_EQ(again.Score(9), -12);
  EXPECT_EQ(negative.LowestSlot(), 9);
}

// Names are blank-free words of at most 15 characters, whatever the file or entry holds.
TEST(HighScoreTable, NamesAreFitToTheFile) {
  EXPECT_EQ(HighScoreTable::FitName("Ann Lee"), "Ann_Lee");
  EXPECT_EQ(HighScoreTable::FitName("tab\there\nline"), "tab_here_line");
  EXPECT_EQ(HighScoreTable::FitName("ABCDEFGHIJKLMNOPQRST"), "ABCDEFGHIJKLMNO");
  // Characters, not bytes: a name of accented letters is not cut inside one.
  EXPECT_EQ(HighScoreTable::FitName("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                                    "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"),
            "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
            "\u00e9");
}

// A damaged or hand-edited file is read as far as it is sound; the rest keeps its entries.
TEST(HighScoreTable, DamagedFilesAreReadAsFarAsTheyAreSound) {
  struct Case {
    std::string text;
    int slotsRead;
    std::string firstSlots;  // the dump of slots 0..2 afterwards
  };
  const std::vector<Case> cases = {
      {"", 0, "7 Old0\n7 Old1\n7 Old2\n"},
      {"10\nAmy\n20\n", 1, "10 Amy\n7 Old1\n7 Old2\n"},               // score without a name
      {"10\nAmy\n2x0\nBo\n30\nCy\n", 1, "10 Amy\n7 Old1\n7 Old2\n"},  // not a number
      {"10\r\nAmy\r\n20\r\nBo\r\n", 2, "10 Amy\n20 Bo\n7 Old2\n"},    // line ends of another system
      {"  10 Amy   20\tBo\n\n", 2, "10 Amy\n20 Bo\n7 Old2\n"},        // any blanks between words
      {"99999999999\nBig\n", 0, "7 Old0\n7 Old1\n7 Old2\n"},          // out of range
      {"+5\nPlus\n-3\nMinus\n", 2, "5 Plus\n-3 Minus\n7 Old2\n"},
      {"1\nAVeryLongNameIndeed\n", 1, "1 AVeryLongNameIn\n7 Old1\n7 Old2\n"},
      {std::string("1\nA\0B\n", 6), 1, std::string("1 A\0B\n7 Old1\n7 Old2\n", 20)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    HighScoreTable table;
    for (int slot = 0; slot < 10; ++slot) table.Set(slot, 7, "Old" + std::to_string(slot));
    EXPECT_EQ(table.Read(c.text), c.slotsRead);
    EXPECT_EQ(Dump(table).substr(0, c.firstSlots.size()), c.firstSlots);
    EXPECT_EQ(table.Name(9), "Old9");
  }

  // Eleven pairs: only ten slots are read.
  std::string eleven;
  for (int k = 0; k < 11; ++k) eleven += std::to_string(k) + "\nN" + std::to_string(k) + "\n";
  HighScoreTable table;
  EXPECT_EQ(table.Read(eleven), 10);
  EXPECT_EQ(table.Name(9), "N9");
}

}  // namespace
}  // namespace quenna
