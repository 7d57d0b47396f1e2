#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "cards/CardCoach.h"
#include "support/CardWindowSupport.h"

namespace quenna {
namespace {

using testing::Cards;
using testing::kCardSeed;
using testing::OpenCards;
using testing::PressSlot;
using testing::TestGame;

struct Move {
  int from;
  int to;
};

// A plain player: the move that lengthens a row's finished start if there is one, else
// any card that is not yet part of a finished start (but no One from one row start to
// another, which gains nothing).
std::optional<Move> ChooseMove(const Slots& layout) {
  const RowRuns runs = RowStatus(layout);
  auto inRun = [&runs](int slot) {
    return ColumnOf(slot) < runs[static_cast<std::size_t>(RowOf(slot))];
  };
  std::optional<Move> fallback;
  for (int to = 0; to < kTableSlots; ++to) {
    if (!IsGap(layout[static_cast<std::size_t>(to)])) continue;
    for (int from = 0; from < kTableSlots; ++from) {
      if (IsGap(layout[static_cast<std::size_t>(from)]) || inRun(from)) continue;
      if (CheckSequence(layout, from, to)) continue;
      const bool extendsRun = ColumnOf(to) == runs[static_cast<std::size_t>(RowOf(to))];
      if (extendsRun) return Move{from, to};
      if (ColumnOf(from) == 0 && layout[static_cast<std::size_t>(from)][0] == '1') continue;
      if (!fallback) fallback = Move{from, to};
    }
  }
  return fallback;
}

// A player program plays a dealt "Easy" game to the win, redealing whenever stuck; the
// level gets exactly the points the table showed.
TEST(CardSolver, PlaysASeededEasyDealToTheWin) {
  TestGame test;
  test.platform.SetNowSeconds(kCardSeed);
  test.StartGame();
  int moves = 0;
  int redeals = 0;
  std::string shownPoints;
  OpenCards(test, [&](TPlayCards& cards) {
    cards.DealCards->click();
    while (!cards.Continue->isVisible() && moves < 2000) {
      // Each redeal a second later, so the redeals differ.
      test.platform.AdvanceMilliseconds(1000);
      if (cards.Redeal->isEnabled()) {
        cards.Redeal->click();
        ++redeals;
        continue;
      }
      const std::optional<Move> move = ChooseMove(cards.Cards.CardLayout);
      ASSERT_TRUE(move) << DumpLayout(cards.Cards.CardLayout);
      PressSlot(cards, move->from);
      PressSlot(cards, move->to);
      ++moves;
    }
    shownPoints = cards.Points->text().toStdString();
    EXPECT_EQ(cards.OrnTalks->text().toStdString(),
              "Congratulations... you have played my little game very well so far.");
    cards.Close();
  });
  ASSERT_LT(moves, 2000);
  EXPECT_GE(redeals, 1);
  TPlayCards& cards = Cards(test);
  EXPECT_EQ(cards.RedealCount, redeals);
  const int cardPoints = 10 - redeals;
  int rowTotal = 0;
  for (int column = 0; column < 13; ++column) rowTotal += test.State().LevelTable.Value(0, column);
  EXPECT_EQ(rowTotal, 2 * cardPoints + 3);
  EXPECT_EQ(shownPoints, std::to_string(2 * cardPoints + 3));
  EXPECT_EQ(test.State().LevelTable.Value(0, 2), cardPoints);
  EXPECT_EQ(test.State().LevelTable.Value(0, 4), cardPoints);
  EXPECT_EQ(test.State().TotalScore, 2 * cardPoints + 3);
  EXPECT_EQ(Blocked(cards.Cards.CardLayout), kTableWon);
}

// Every deal on every skill can be played to the win with redeals: no redeal loses a
// card or leaves the player without a move while the table is not stuck.
TEST(CardSolver, EveryDealCanBeWonWithRedeals) {
  for (int stride : {kEasyStride, kMediumStride, kDifficultStride}) {
    for (std::int64_t deal = 0; deal < 40; ++deal) {
      CardTable table = NewCardTable();
      NewDeck(table, stride == kEasyStride ? kMediumStride : kEasyStride);
      NewDeck(table, stride);
      std::int64_t now = kCardSeed + deal * 7;
      Shuffle(table, now);
      BlockedResult result = kMoveLeft;
      for (int moves = 0; moves < 1000 && result != kTableWon; ++moves) {
        const std::optional<Move> move = ChooseMove(table.CardLayout);
        ASSERT_TRUE(move) << DumpLayout(table.CardLayout);
        std::swap(table.CardLayout[static_cast<std::size_t>(move->from)],
                  table.CardLayout[static_cast<std::size_t>(move->to)]);
        result = Blocked(table.CardLayout);
        if (result == kNoMoveLeft) Redeal(table, ++now);
      }
      EXPECT_EQ(result, kTableWon) << "stride " << stride << " deal " << deal;
    }
  }
}

}  // namespace
}  // namespace quenna
