#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cards/CardCoach.h"

namespace quenna {
namespace {

// The figure the table shows on each skill, and how redeals lower it with no floor.
TEST(CardCoach, PointsOnEachSkillAndAfterRedeals) {
  std::string report;
  for (int stride : {kEasyStride, kMediumStride, kDifficultStride}) {
    for (int redeals : {0, 1, 2, 15}) {
      report += std::to_string(stride) + "/" + std::to_string(redeals) + ": " +
                std::to_string(CardPoints(stride, redeals)) + " shown " +
                std::to_string(ShownPoints(stride, redeals)) + "\n";
    }
  }
  EXPECT_EQ(report,
            "7/0: 10 shown 23\n"
            "7/1: 9 shown 21\n"
            "7/2: 8 shown 19\n"
            "7/15: -5 shown -7\n"
            "4/0: 15 shown 33\n"
            "4/1: 14 shown 31\n"
            "4/2: 13 shown 29\n"
            "4/15: 0 shown 3\n"
            "1/0: 20 shown 43\n"
            "1/1: 19 shown 41\n"
            "1/2: 18 shown 39\n"
            "1/15: 5 shown 13\n");
}

// A win adds to order, resolution, frugality and industry; with the progress point the
// level grows by exactly the figure shown, also where the credit stops at the lowest a
// level can hold (-128 each, from 139 redeals on Easy). Hundreds of redeals never turn
// into a bonus.
TEST(CardCoach, WinCreditMatchesTheShownPoints) {
  for (int redeals : {0, 2, 9, 40, 138, 139, 140, 500}) {
    const auto credit = WinCredit(CardPoints(kEasyStride, redeals));
    int total = 1;  // recording adds one more progress point
    for (const LevelCredit& pair : credit) total += pair.amount;
    EXPECT_EQ(total, ShownPoints(kEasyStride, redeals)) << redeals;
  }
  const auto twoRedeals = WinCredit(CardPoints(kEasyStride, 2));
  std::string columns;
  for (const LevelCredit& pair : twoRedeals) {
    columns += std::to_string(pair.column) + ":" + std::to_string(pair.amount) + " ";
  }
  EXPECT_EQ(columns, "2:8 3:1 4:8 5:1 ");
  EXPECT_EQ(WinCredit(CardPoints(kEasyStride, 500))[0].amount, -128);
}

// The "Hint" button's answer in each situation a player meets.
TEST(CardCoach, HintTexts) {
  struct Case {
    std::string name;
    std::string layout;
    bool redealEnabled;
    bool notDealt;
    std::string hint;
  };
  const std::string ordered =
      "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
      "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
      "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n";
  const std::vector<Case> cases = {
      {"stuck", ordered, true, false, "Press the REDEAL button."},
      {"stuck before a deal", ordered, true, true, "Press the REDEAL button."},
      {"not dealt", ordered, false, true, "Press the DEAL button."},
      {"gaps after a Thirteen, a Three and a Thirteen",
       "1R 2R 3R 4R DR XX 5R 6R 7R 8R 9R AR BR CR\n"
       "1B 2B 4B 5B 6B 3B XX 7B 8B 9B AB BB CB DB\n"
       "1W DW XX 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW\n",
       false, false, "Put the Blue 4 after the Blue 3."},
      {"gaps after a Thirteen, a gap and a Three",
       "1R 2R 3R 4R DR XX XX 5R 6R 7R 8R 9R AR BR\n"
       "1B 2B 4B 5B 6B 3B XX 7B 8B 9B AB BB CB DB\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW CR\n",
       false, false, "Put the Blue 4 after the Blue 3."},
      {"white twelve",
       "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW XX DW\n",
       false, false, "Put the WHITE 13 after the WHITE 12."},
      {"red nine",
       "1R 2R 3R 4R 5R 6R 7R 8R 9R XX BR CR DR AR\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       false, false, "Put the RED 10 after the RED 9."},
      {"row start first",
       "XX 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR 1R\n"
       "1B 2B XX 4B 5B 6B 7B 8B 9B AB BB CB DB 3B\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       false, false, "Put a 1 card at the beginning of the row."},
      {"no gap qualifies", ordered, false, false, "(nothing)"},
  };
  for (const Case& c : cases) {
    const auto hint = HintText(ParseLayout(c.layout), c.redealEnabled, c.notDealt);
    EXPECT_EQ(hint.value_or("(nothing)"), c.hint) << c.name;
  }
}

// What the hint line says when a lifted card is let go of over a gap that does not take
// it: where the card goes, in the colours and ranks the faces show; nothing for a legal
// move or when no card is chosen.
TEST(CardCoach, RefusalTexts) {
  const Slots layout = ParseLayout(
      "XX 2R 3R 4R 5R XX 6R 7R 8R 9R AR BR CR 1B\n"
      "6B 2B 3B 4B 5B 1R 7B 8B 9B AB BB CB XX DW\n"
      "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DR DB\n");
  struct Case {
    const char* card;
    int selected;
    int target;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"7R after 5R", 7, 5, "The Red 7 goes after the Red 6."},
      {"6B after 5R", 14, 5, "The Blue 6 goes after the Blue 5."},
      {"AW after CB", 37, 26, "The White 10 goes after the White 9."},
      {"DB after 5R", 41, 5, "The Blue 13 goes after the Blue 12."},
      {"DB after CB, legal", 41, 26, ""},
      {"1B after 5R", 13, 5, "The Blue 1 goes at the beginning of a row."},
      {"2R at a row's start", 1, 0,
       "Only a 1 card may begin a row.  The Red 2 goes after the Red 1."},
      {"6R after 5R, legal", 6, 5, ""},
      {"1R at a row's start, legal", 19, 0, ""},
      {"a gap chosen", 26, 5, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RefusalText(layout, c.selected, c.target), c.text) << c.card;
}

// The task's person follows the card rounds done; from the seventh round, and at 0,
// the player chooses.
TEST(CardCoach, TaskPersonByCardRound) {
  std::string report;
  for (int rounds = 0; rounds <= 8; ++rounds) {
    const Task task = AssignTask(rounds, 3, 0);
    report += std::to_string(rounds) + " tab " + std::to_string(task.tab) + ": " + task.text + "\n";
  }
  EXPECT_EQ(report,
            "0 tab 99: There is now a task you must complete.  Please talk to the person of your "
            "choice from my datebook.  You are seeking the virtue of order.\n"
            "1 tab 9: There is now a task you must complete.  Please talk to Wynnet in 1746.  "
            "You are seeking the virtue of order.\n"
            "2 tab 1: There is now a task you must complete.  Please talk to young Orn in 1716.  "
            "You are seeking the virtue of order.\n"
            "3 tab 11: There is now a task you must complete.  Please talk to Ebbart in 1776.  "
            "You are seeking the virtue of order.\n"
            "4 tab 10: There is now a task you must complete.  Please talk to Fennick in 1752.  "
            "You are seeking the virtue of order.\n"
            "5 tab 3: There is now a task you must complete.  Please talk to Tullan in 1722.  "
            "You are seeking the virtue of order.\n"
            "6 tab 2: There is now a task you must complete.  Please talk to Corvane in 1719.  "
            "You are seeking the virtue of order.\n"
            "7 tab 99: There is now a task you must complete.  Please talk to the person of your "
            "choice from my datebook.  You are seeking the virtue of order.\n"
            "8 tab 99: There is now a task you must complete.  Please talk to the person of your "
            "choice from my datebook.  You are seeking the virtue of order.\n");
}

// A task's virtue is drawn only when none is set, never 0, and a virtue once set (also
// with the bonus mark an answer adds) stays, and is named without the mark.
TEST(CardCoach, TaskVirtueIsDrawnOnceAndKept) {
  std::set<int> drawn;
  for (std::int64_t second = 1'700'000'000; second < 1'700'000'400; ++second) {
    const Task task = AssignTask(1, 0, second);
    EXPECT_GE(task.virtue, 1);
    EXPECT_LE(task.virtue, 13);
    EXPECT_EQ(task.virtue, DrawVirtue(second));
    drawn.insert(task.virtue);
  }
  EXPECT_EQ(drawn.size(), 13u);

  EXPECT_EQ(AssignTask(2, 13, 5).virtue, 13);
  EXPECT_EQ(AssignTask(2, 13, 6).virtue, 13);
  const Task marked = AssignTask(1, 105, 7);
  EXPECT_EQ(marked.virtue, 105);
  EXPECT_EQ(marked.text,
            "There is now a task you must complete.  Please talk to Wynnet in 1746.  You are "
            "seeking the virtue of frugality.");
}

}  // namespace
}  // namespace quenna
