#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "store/ProgressSummary.h"
#include "store/SampleJournal.h"

namespace quenna {
namespace {

AnswerRecord Answer(std::int64_t time, int level, const std::string& person, int question,
                    char chosen, bool correct) {
  AnswerRecord r;
  r.time = time;
  r.level = level;
  r.page = 9;
  r.person = person;
  r.dialogueFile = "d2\\" + person + ".dat";
  r.question = question;
  r.questionText = person + " asks " + std::to_string(question);
  r.chosen = chosen;
  r.right = 'B';
  r.correct = correct;
  if (correct) r.virtues = {1, 2, 3, 4};
  return r;
}

LevelPoints Points(int first, int resolution) {
  LevelPoints points{};
  points[0] = first;
  points[3] = resolution;
  return points;
}

// One line per question shown: game, level, who and which, the letters tried, the outcome.
std::string Dump(const ProgressView& view) {
  std::string text;
  for (const QuestionProgress* q : view.questions) {
    text += std::to_string(q->game + 1) + " L" + std::to_string(q->Level()) + " " + q->person +
            "#" + std::to_string(q->question) + " ";
    for (const AnswerTry& answer : q->tries) text += answer.letter;
    text += q->AnsweredRight() ? " right\n" : " wrong\n";
  }
  return text;
}

std::string DumpLevels(const ProgressView& view) {
  std::string text;
  for (std::size_t row = 0; row < view.levels.size(); ++row) {
    if (!view.levelShown[row]) continue;
    text += "L" + std::to_string(row + 1) + ":" + std::to_string(view.levels[row][0]) + "/" +
            std::to_string(view.levels[row][3]) + " ";
  }
  return text + "total " + std::to_string(view.total);
}

// How the journal's events make games: tries run until a right answer, a replay wipes the
// level until it ends again, a saved game opened goes on with the game that saved it and
// its points, an unknown one is a game of its own; filters by game and by time.
TEST(ProgressSummary, GamesLevelsAndTriesFollowTheJournal) {
  GameOpenRecord openA{9000, "/home/kid/a.sav", 3, std::vector<LevelPoints>(LevelTable::kRows)};
  openA.table[0] = Points(8, 3);
  openA.table[1] = Points(12, 3);
  GameOpenRecord openB{9500, "/home/kid/b.sav", 2, std::vector<LevelPoints>(LevelTable::kRows)};
  openB.table[0] = Points(40, 3);
  const std::vector<JournalRecord> records = {
      Answer(900, 1, "orphan", 0, 'B', true),  // before any start: a game of its own
      GameStartRecord{1000, GameStartKind::kStartGame},
      Answer(1100, 1, "wyn", 4, 'A', false),
      Answer(1200, 1, "wyn", 4, 'C', false),
      Answer(1300, 1, "wyn", 4, 'B', true),
      LevelEndRecord{1310, 1, Points(8, 3), 11},
      Answer(1400, 2, "tul", 0, 'B', true),
      LevelEndRecord{1410, 2, Points(12, 3), 26},
      GameSaveRecord{1500, "/home/kid/a.sav"},
      ReplayRecord{1600, 2},
      Answer(1700, 2, "tul", 0, 'A', false),  // answered again after the replay: anew
      Answer(1800, 2, "tul", 0, 'B', true),
      LevelEndRecord{1810, 2, Points(16, 3), 30},
      GameStartRecord{5000, GameStartKind::kNewGame},
      Answer(5100, 1, "mir", 2, 'C', false),
      GameStartRecord{8000, GameStartKind::kNewGame},  // nothing done: left out
      openA,
      Answer(9100, 3, "wyn", 4, 'B', true),
      openB,
      GameStartRecord{9900, GameStartKind::kNewGame},
  };
  const ProgressSummary summary = ProgressSummary::FromRecords(records);
  ASSERT_EQ(summary.Games().size(), 4u);
  EXPECT_EQ(summary.Games()[0].beginning, GameBeginning::kUnrecorded);
  EXPECT_EQ(summary.Games()[1].beginning, GameBeginning::kStartGame);
  EXPECT_EQ(summary.Games()[2].beginning, GameBeginning::kNewGame);
  EXPECT_EQ(summary.Games()[3].beginning, GameBeginning::kOpenedGame);
  EXPECT_EQ(summary.Games()[3].savedGame, "/home/kid/b.sav");
  EXPECT_EQ(summary.Games()[3].number, 4);

  const ProgressView all = Select(summary, {});
  EXPECT_EQ(Dump(all),
            "1 L1 orphan#0 B right\n"
            "2 L1 wyn#4 ACB right\n"
            "2 L2 tul#0 B right\n"
            "2 L2 tul#0 AB right\n"
            "3 L1 mir#2 C wrong\n"
            "2 L3 wyn#4 B right\n");
  EXPECT_EQ(all.tries, 9);
  EXPECT_EQ(all.wrongTries, 4);
  EXPECT_EQ(all.answeredRight, 5);
  EXPECT_EQ(all.rightFirstTime, 3);
  EXPECT_EQ(all.firstTime, 900);
  EXPECT_EQ(all.lastTime, 9500);

  // The replay wipes level 2 until it ends again.
  auto upTo = [&records](std::int64_t time) {
    std::vector<JournalRecord> prefix;
    for (const auto& record : records) {
      if (TimeOf(record) <= time) prefix.push_back(record);
    }
    return Select(ProgressSummary::FromRecords(prefix), {1});
  };
  EXPECT_EQ(DumpLevels(upTo(1500)), "L1:8/3 L2:12/3 total 26");
  EXPECT_EQ(DumpLevels(upTo(1600)), "L1:8/3 total 11");
  EXPECT_EQ(DumpLevels(upTo(1810)), "L1:8/3 L2:16/3 total 30");
  // Then the game went on from the table it had saved before the replay. A level the save
  // holds unchanged keeps the time it ended.
  EXPECT_EQ(DumpLevels(Select(summary, {1})), "L1:8/3 L2:12/3 total 26");
  EXPECT_EQ(DumpLevels(Select(summary, {1, 0, 2000})), "L1:8/3 total 11");
  const ProgressView replayed = Select(summary, {1, 1600, 2000});
  EXPECT_EQ(Dump(replayed), "2 L2 tul#0 AB right\n");
  EXPECT_EQ(replayed.firstTime, 1700);
  EXPECT_EQ(replayed.lastTime, 1800);
  EXPECT_EQ(DumpLevels(Select(summary, {3, 0, 100'000})), "L1:40/3 total 43");
  EXPECT_EQ(DumpLevels(Select(summary, {std::nullopt, 0, 100'000})), "L1:48/6 L2:12/3 total 69");
}

// The report's name: the Hall of Fame entry with the final total of the latest game played
// to its end; else the highest score; an empty slot names nobody.
TEST(ProgressSummary, TheReportIsMadeOutToTheChildWhoFinishedTheGame) {
  GameStartRecord start{100, GameStartKind::kStartGame};
  LevelEndRecord lastLevel{200, LevelTable::kLastLevelPlayed, Points(30, 3), 1450};
  const ProgressSummary finished = ProgressSummary::FromRecords({start, lastLevel});
  const ProgressSummary unfinished =
      ProgressSummary::FromRecords({start, LevelEndRecord{200, 53, Points(30, 3), 1450}});

  HighScoreTable hallOfFame;
  EXPECT_EQ(ReportName(hallOfFame, finished, {}), "");
  hallOfFame.Set(4, 1450, "Mara_Lee");
  hallOfFame.Set(7, 1800, "Tom");
  EXPECT_EQ(ReportName(hallOfFame, finished, {}), "Mara Lee");
  EXPECT_EQ(ReportName(hallOfFame, unfinished, {}), "Tom");
  EXPECT_EQ(ReportName(hallOfFame, finished, {std::nullopt, 300, 400}), "Tom");
}

// After whole games written as play writes them, every game's points per level are those
// of the level table it ended with, and its total is the table's.
TEST(ProgressSummary, EveryGamesLevelPointsEqualItsLevelTable) {
  std::random_device seed;
  const auto file = std::filesystem::temp_directory_path() /
                    ("quenna2-summary-" + std::to_string(seed()) + ".jsonl");
  const std::vector<LevelTable> tables = testing::WriteSampleJournal(file, {{}, 3, 0, 7});
  const JournalContents journal = ReadJournal(file);
  std::filesystem::remove(file);
  EXPECT_EQ(journal.damagedLines, 0);

  const ProgressSummary summary = ProgressSummary::FromRecords(journal.records);
  ASSERT_EQ(summary.Games().size(), tables.size());
  for (std::size_t game = 0; game < tables.size(); ++game) {
    const ProgressView view = Select(summary, {static_cast<int>(game)});
    for (int row = 0; row < LevelTable::kLastLevelPlayed; ++row) {
      EXPECT_TRUE(view.levelShown[static_cast<std::size_t>(row)]);
      EXPECT_EQ(view.levels[static_cast<std::size_t>(row)], PointsOfRow(tables[game], row))
          << "game " << game + 1 << " level " << row + 1;
    }
    EXPECT_EQ(view.total, tables[game].PointsTotal());
    EXPECT_TRUE(summary.Games()[game].finished);
    EXPECT_EQ(summary.Games()[game].finalTotal, tables[game].PointsTotal());
    EXPECT_GE(static_cast<int>(view.questions.size()), LevelTable::kLastLevelPlayed);
  }
}

}  // namespace
}  // namespace quenna
