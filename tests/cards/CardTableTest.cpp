#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cards/CardRound.h"
#include "cards/CardTable.h"

namespace quenna {
namespace {

constexpr std::int64_t kSeed = 1'700'000'000;

int CountDifferences(const Slots& a, const Slots& b) {
  int differences = 0;
  for (int slot = 0; slot < kTableSlots; ++slot) {
    if (a[static_cast<std::size_t>(slot)] != b[static_cast<std::size_t>(slot)]) ++differences;
  }
  return differences;
}

// Every deal keeps the whole deck: 39 different cards and three gaps.
void ExpectWholeDeck(const Slots& layout) {
  std::multiset<std::string> codes(layout.begin(), layout.end());
  EXPECT_EQ(codes.count(kGap), 3u);
  std::set<std::string> cards(layout.begin(), layout.end());
  EXPECT_EQ(cards.size(), 40u) << DumpLayout(layout);
}

// A program start lays the cards in order, one colour a row, the gaps at the row ends.
TEST(CardTable, OrderedLayoutHoldsEachColourInARow) {
  EXPECT_EQ(DumpLayout(OrderedLayout()),
            "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
            "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
            "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n");
  EXPECT_EQ(ParseLayout(DumpLayout(OrderedLayout())), OrderedLayout());
}

// A deal on each skill, from the ordered table, as the player sees it at a fixed second.
TEST(CardTable, SeededDealOnEachSkill) {
  struct Case {
    int stride;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {kEasyStride,
       "1R XX 3R 7R 7B 6R 4R 8R 9R AR BR CR DR 2R\n"
       "1B 2B 3B 4B XX 6B 5R 8B 9B AB BB CB DB 5B\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W XX BW CW DW AW\n"},
      {kMediumStride,
       "1R AR CB 4R 5R 3R 7R 8R 9R 2R 4B CR XX BR\n"
       "1B 6W 3B XX 5B 6B 7B 2B 2W AB BB 6R DB XX\n"
       "1W 9B 3W 4W 5W 8B 7W 8W 9W DR BW CW DW AW\n"},
      {kDifficultStride,
       "3R 1R CR 8R AR DB 1W 9W 4R 9B BR BB DW 4B\n"
       "2R XX 2W CW 5B 6W 6B 6R 9R 1B DR CB 5R XX\n"
       "3W AB 2B 4W 5W XX BW 7W 8B 8W 3B 7R 7B AW\n"},
  };
  for (const Case& c : cases) {
    CardTable table = NewCardTable();
    table.ShuffleStride = 0;  // as if another skill was dealt before
    EXPECT_TRUE(NewDeck(table, c.stride));
    Shuffle(table, kSeed);
    EXPECT_EQ(DumpLayout(table.CardLayout), c.expected) << "stride " << c.stride;
    ExpectWholeDeck(table.CardLayout);
  }
}

// The easy and medium skills leave slot 0 alone and the easy one moves few cards; a
// second deal on the same skill goes on from the last layout, another skill starts over.
TEST(CardTable, SkillDecidesHowFarADealMoves) {
  for (std::int64_t second = kSeed; second < kSeed + 200; ++second) {
    CardTable easy = NewCardTable();
    Shuffle(easy, second);
    EXPECT_LE(CountDifferences(easy.CardLayout, OrderedLayout()), 12);
    EXPECT_EQ(easy.CardLayout[0], "1R");
    CardTable medium = NewCardTable();
    NewDeck(medium, kMediumStride);
    Shuffle(medium, second);
    EXPECT_EQ(medium.CardLayout[0], "1R");
    ExpectWholeDeck(medium.CardLayout);
  }

  CardTable table = NewCardTable();
  EXPECT_FALSE(NewDeck(table, kEasyStride));  // the first deal of a run: no reset
  Shuffle(table, kSeed);
  const Slots firstDeal = table.CardLayout;
  EXPECT_FALSE(NewDeck(table, kEasyStride));
  EXPECT_EQ(table.CardLayout, firstDeal);
  Shuffle(table, kSeed + 1);
  EXPECT_NE(table.CardLayout, firstDeal);
  EXPECT_TRUE(NewDeck(table, kDifficultStride));
  EXPECT_EQ(table.CardLayout, OrderedLayout());
  EXPECT_EQ(table.ShuffleStride, kDifficultStride);
}

// Within one second every pass draws the same numbers; a locked slot never moves.
TEST(CardTable, ShuffleRepeatsWithinASecondAndRespectsLocks) {
  CardTable a = NewCardTable();
  CardTable b = NewCardTable();
  NewDeck(a, kDifficultStride);
  NewDeck(b, kDifficultStride);
  Shuffle(a, kSeed);
  Shuffle(b, kSeed);
  EXPECT_EQ(a.CardLayout, b.CardLayout);

  CardTable locked = NewCardTable();
  NewDeck(locked, kDifficultStride);
  for (int slot = 14; slot < 28; ++slot) locked.Locked[static_cast<std::size_t>(slot)] = true;
  for (int pass = 0; pass < 5; ++pass) Shuffle(locked, kSeed + pass);
  for (int slot = 14; slot < 28; ++slot) {
    EXPECT_EQ(locked.CardLayout[static_cast<std::size_t>(slot)],
              OrderedLayout()[static_cast<std::size_t>(slot)]);
  }
  ExpectWholeDeck(locked.CardLayout);
}

// Which card a gap takes: the next rank of the same colour, a One in the first column,
// nothing after a Thirteen or a gap.
TEST(CardTable, LegalMoves) {
  const Slots first = ParseLayout(
      "1R 2R 3R 4R XX 6R 7R 8R 9R AR BR CR DR 5R\n"
      "XX 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB 1B\n"
      "1W 2W 3W 4W 5W 6W 7W 8W 9W XX BW CW DW AW\n");
  const Slots second = ParseLayout(
      "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
      "1B 2B 3B 4B 5B 6B 7B 8B 9B AB XX XX DB CB\n"
      "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW BB\n");
  struct Case {
    const Slots* layout;
    int selected;
    int target;
  };
  const std::vector<Case> cases = {
      {&first, 13, 4},   {&first, 18, 4},   {&first, 5, 4},    {&first, 41, 37},  {&first, 23, 37},
      {&first, 27, 14},  {&first, 28, 14},  {&first, 1, 14},   {&first, 4, 37},   {&second, 0, 13},
      {&second, 41, 24}, {&second, 41, 25}, {&second, 27, 25}, {&second, 24, 25},
  };
  std::string report;
  for (const Case& c : cases) {
    const Slots& layout = *c.layout;
    const std::string left =
        ColumnOf(c.target) == 0 ? "row start" : layout[static_cast<std::size_t>(c.target - 1)];
    report += layout[static_cast<std::size_t>(c.selected)] + " into the gap after " + left +
              (CheckSequence(layout, c.selected, c.target) ? ": refused\n" : ": moves\n");
  }
  EXPECT_EQ(report,
            "5R into the gap after 4R: moves\n"
            "5B into the gap after 4R: refused\n"
            "6R into the gap after 4R: refused\n"
            "AW into the gap after 9W: moves\n"
            "AB into the gap after 9W: refused\n"
            "1B into the gap after row start: moves\n"
            "1W into the gap after row start: moves\n"
            "2R into the gap after row start: refused\n"
            "XX into the gap after 9W: refused\n"
            "1R into the gap after DR: refused\n"
            "BB into the gap after AB: moves\n"
            "BB into the gap after XX: refused\n"
            "CB into the gap after XX: refused\n"
            "XX into the gap after XX: refused\n");
  EXPECT_TRUE(GetMoves(first, 4));
  EXPECT_FALSE(GetMoves(second, 13));
  EXPECT_FALSE(GetMoves(second, 25));
  EXPECT_TRUE(GetMoves(second, 24));
}

// A dragged card lands in the place around its middle: each place owns the felt half the
// way to its neighbours; above, below and beside the rows it lands nowhere.
TEST(CardTable, ADroppedCardLandsInThePlaceAroundItsMiddle) {
  const std::vector<std::pair<int, int>> middles = {
      {25, 130}, {3, 130}, {2, 130},  {47, 130}, {48, 130},  {632, 130}, {633, 130},
      {25, 85},  {25, 84}, {25, 174}, {25, 175}, {610, 300}, {25, 354},  {25, 355}};
  std::string report;
  for (const auto& [x, y] : middles) {
    report +=
        std::to_string(x) + "," + std::to_string(y) + ":" + std::to_string(DropSlotAt(x, y)) + " ";
  }
  EXPECT_EQ(report,
            "25,130:0 3,130:0 2,130:99 47,130:0 48,130:1 632,130:13 633,130:99 25,85:0 25,84:99 "
            "25,174:0 25,175:14 610,300:41 25,354:28 25,355:99 ");
}

// A row's finished start counts from its first column in one colour, whichever colour.
TEST(CardTable, RowRuns) {
  struct Case {
    std::string layout;
    RowRuns runs;
  };
  const std::vector<Case> cases = {
      {DumpLayout(OrderedLayout()), {13, 13, 13}},
      {"1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n"
       "2R 1R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
       "1B 2B 3B 4B 5B XX 7B 8B 9B AB BB CB DB 6B\n",
       {13, 0, 5}},
      {"1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR 1B\n"
       "XX 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2B 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       {13, 0, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowStatus(ParseLayout(c.layout)), c.runs) << c.layout;
  }
}

// After a move the game goes on, is stuck (redeal) or is won.
TEST(CardTable, BlockedTellsMoveStuckOrWon) {
  struct Case {
    std::string layout;
    BlockedResult result;
  };
  const std::vector<Case> cases = {
      // A gap after a card other than a Thirteen.
      {"1R 2R 3R 4R XX 6R 7R 8R 9R AR BR CR DR 5R\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       kMoveLeft},
      // A gap opening a row, although every other gap is stuck.
      {"XX 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR 1R\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       kMoveLeft},
      // Every gap after a Thirteen or a gap, the blue row unfinished.
      {"1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB DB XX CB\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n",
       kNoMoveLeft},
      {"1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W 8W 9W AW DW XX XX BW\n",
       kNoMoveLeft},
      {DumpLayout(OrderedLayout()), kTableWon},
      // Any colour in any row.
      {"1W 2W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW XX\n"
       "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
       "1B 2B 3B 4B 5B 6B 7B 8B 9B AB BB CB DB XX\n",
       kTableWon},
  };
  for (const Case& c : cases) EXPECT_EQ(Blocked(ParseLayout(c.layout)), c.result) << c.layout;
}

// The gaps go after the runs one exchange after another, so an exchange can take away
// a gap an earlier one placed.
TEST(CardTable, MakeSpaceExchangesOneAfterAnother) {
  struct Case {
    std::string before;
    RowRuns runs;
    std::string after;
  };
  const std::vector<Case> cases = {
      {"1R 2R 3R 8B XX 6R 7R 8R 9R AR BR CR DR 5R\n"
       "1B 2B 3B 4B 5B 6B 7B 4R 9B AB BB CB DB XX\n"
       "1W 2W 3W 4W 5W 6W 7W XX 9W AW BW CW DW 8W\n",
       {3, 7, 7},
       "1R 2R 3R XX 8B 6R 7R 8R 9R AR BR CR DR 5R\n"
       "1B 2B 3B 4B 5B 6B 7B XX 9B AB BB CB DB 4R\n"
       "1W 2W 3W 4W 5W 6W 7W XX 9W AW BW CW DW 8W\n"},
      // The third gap stands where the second row's gap should go: the second exchange
      // swaps two gaps, and the third carries that gap off to the third row.
      {"2R 3R 4R 5R 6R 7R 8R 9R AR BR XX CR XX DR\n"
       "XX 1R 3B 4B 5B 6B 7B 8B 9B AB BB CB DB 2B\n"
       "1B 1W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW 2W\n",
       {0, 0, 0},
       "XX 3R 4R 5R 6R 7R 8R 9R AR BR 2R CR XX DR\n"
       "1B 1R 3B 4B 5B 6B 7B 8B 9B AB BB CB DB 2B\n"
       "XX 1W 3W 4W 5W 6W 7W 8W 9W AW BW CW DW 2W\n"},
  };
  for (const Case& c : cases) {
    Slots layout = ParseLayout(c.before);
    MakeSpace(layout, c.runs);
    EXPECT_EQ(DumpLayout(layout), c.after);
    ExpectWholeDeck(layout);
  }
}

// A redeal keeps every row's finished start, a full row of 13 too, and puts a gap after
// each run; the rest is shuffled.
TEST(CardTable, RedealKeepsEachRowsRun) {
  CardTable table = NewCardTable();
  table.CardLayout = ParseLayout(
      "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
      "1B 2B 3B 4B 7W XX 6B 7B 8B 9B AB BB CB DB\n"
      "5B 2W 3W 4W 5W 6W 1W XX 8W 9W AW BW CW DW\n");
  table.Locked[40] = true;  // left over from an earlier redeal: cleared first
  Redeal(table, kSeed);
  EXPECT_EQ(table.RowRun, (RowRuns{13, 4, 0}));
  EXPECT_EQ(DumpLayout(table.CardLayout),
            "1R 2R 3R 4R 5R 6R 7R 8R 9R AR BR CR DR XX\n"
            "1B 2B 3B 4B XX DB 6B 7B 8B 9B AB BB CB 7W\n"
            "XX 2W 3W 4W 5W 6W 1W 5B 8W DW AW BW CW 9W\n");
  ExpectWholeDeck(table.CardLayout);
  EXPECT_FALSE(table.Locked[40]);
}

}  // namespace
}  // namespace quenna
