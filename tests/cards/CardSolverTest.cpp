#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "cards/CardCoach.h"
#include "support/CardPlayer.h"
#include "support/CardWindowSupport.h"

namespace quenna {
namespace {

using testing::CardGamePlayed;
using testing::CardMove;
using testing::Cards;
using testing::ChooseMove;
using testing::kCardSeed;
using testing::OpenCards;
using testing::PlayDealtGame;
using testing::TestGame;

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
    const CardGamePlayed played = PlayDealtGame(cards, test.platform);
    moves = played.moves;
    redeals = played.redeals;
    ASSERT_EQ(played.stuckTable, "");
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
        const std::optional<CardMove> move = ChooseMove(table.CardLayout);
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
