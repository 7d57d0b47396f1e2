#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "store/Journal.h"
#include "support/TempFolder.h"

namespace quenna {
namespace {

using testing::TempFolder;

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void AppendText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out << text;
}

// Wynnet's fifth question as a dialogue file gives it: Latin-1 text, a quote, a tab, a
// backslash; B is right and credits temperance, order, tranquillity and resolution.
const QuestionLines kQuestion{"Wh\xe9re does the \"press\" stand?",
                              {"In the cellar", "By the\triver", "Up the stair\\"},
                              "B. Yes, by the river, where the paper mill is.",
                              "13B4 virtues"};
const Interlocutor kWynnet{9, 9, "Wynnet", "d2\\wyn1746.dat"};

// Answers right and wrong, a level's end and a replay are each one line a person can
// read, and read back as written; a crash in the middle of a line loses that line alone.
TEST(Journal, EventsAreLinesReadBackAsWrittenEvenAfterACrashMidLine) {
  TempFolder folder;
  const auto file = folder / "journal.jsonl";
  std::int64_t now = 1'714'730'000;
  Journal journal(file, [&now] { return now; });

  LevelTable table;
  table.Add(6, 0, 4);
  table.Add(6, 2, 6);
  table.Add(6, 3, 3);
  table.Add(6, 10, 24);
  std::vector<JournalRecord> written;
  auto record = [&](auto event, bool ok) {
    EXPECT_TRUE(ok) << journal.Problem();
    written.push_back(event);
    now += 75;
  };
  record(GameStartRecord{now, GameStartKind::kStartGame},
         journal.GameStarted(GameStartKind::kStartGame));
  const AnswerRecord wrong = DescribeAnswer(7, kWynnet, 4, kQuestion, 'A', 11);
  AnswerRecord wrongAt = wrong;
  wrongAt.time = now;
  record(wrongAt, journal.AnswerGiven(wrong));
  const AnswerRecord right = DescribeAnswer(7, kWynnet, 4, kQuestion, 'B', 11);
  AnswerRecord rightAt = right;
  rightAt.time = now;
  record(rightAt, journal.AnswerGiven(right));
  record(LevelEndRecord{now, 7, PointsOfRow(table, 6), 412}, journal.LevelEnded(7, table, 412));
  record(ReplayRecord{now, 3}, journal.LevelReplayed(3));

  EXPECT_FALSE(wrong.correct);
  EXPECT_TRUE(wrong.virtues.empty());
  EXPECT_EQ(right.virtues, (std::vector<int>{1, 3, 11, 4}));
  EXPECT_EQ(right.bonusVirtue, 11);  // tranquillity was sought

  const std::string text = ReadText(file);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
  EXPECT_EQ(text.substr(0, text.find('\n') + 1),
            "{\"kind\":\"start\",\"time\":1714730000,\"when\":\"2024-05-03T09:53:20Z\","
            "\"how\":\"start\"}\n");
  EXPECT_NE(text.find("{\"kind\":\"answer\",\"time\":1714730150,\"when\":\"2024-05-03T09:55:50Z\","
                      "\"level\":7,\"page\":9,\"year\":\"1746\",\"speaker\":9,"
                      "\"person\":\"Wynnet\",\"dialogue\":\"d2\\\\wyn1746.dat\",\"question\":4,"
                      "\"questionText\":\"Wh\xc3\xa9re does the \\\"press\\\" stand?\","
                      "\"chosen\":\"B\",\"chosenText\":\"By the\\triver\",\"right\":\"B\","
                      "\"rightText\":\"By the\\triver\",\"correct\":true,"
                      "\"virtues\":[\"temperance\",\"order\",\"tranquillity\",\"resolution\"],"
                      "\"bonus\":\"tranquillity\"}\n"),
            std::string::npos)
      << text;
  EXPECT_NE(
      text.find("{\"kind\":\"levelEnd\",\"time\":1714730225,\"when\":\"2024-05-03T09:57:05Z\","
                "\"level\":7,\"points\":[4,0,6,3,0,0,0,0,0,0,24,0,0],\"total\":412}\n"),
      std::string::npos);

  JournalContents read = ReadJournal(file);
  EXPECT_EQ(read.records, written);
  EXPECT_EQ(read.damagedLines, 0);
  EXPECT_EQ(read.problem, "");

  // The power fails halfway through the next line.
  const std::string next = JournalLine(LevelEndRecord{now, 8, {}, 430});
  AppendText(file, next.substr(0, next.size() / 2));
  read = ReadJournal(file);
  EXPECT_EQ(read.records, written);
  EXPECT_EQ(read.damagedLines, 1);

  // The game goes on: the next event starts a line of its own and is kept whole.
  record(ReplayRecord{now, 4}, journal.LevelReplayed(4));
  read = ReadJournal(file);
  EXPECT_EQ(read.records, written);
  EXPECT_EQ(read.damagedLines, 1);

  // A folder that cannot be written drops the record and says why; the game is not stopped.
  Journal nowhere(folder / "missing" / "journal.jsonl", [] { return 0; });
  EXPECT_FALSE(nowhere.LevelReplayed(1));
  EXPECT_EQ(nowhere.Problem(), "No such file or directory");
}

// A damaged or hand-edited journal keeps every sound line and skips each other one whole;
// a journal larger than the limit is read from its newest end.
TEST(Journal, ADamagedJournalKeepsItsGoodLines) {
  const std::vector<std::string> damaged = {
      "not json at all",
      "{\"kind\":\"replay\",\"time\":5,\"level\":3",       // cut short
      "{\"kind\":\"replay\",\"time\":5,\"level\":56}",     // no such level
      "{\"kind\":\"replay\",\"time\":5,\"level\":\"3\"}",  // a text for a number
      "{\"kind\":\"replay\",\"time\":5.5,\"level\":3}",    // not a whole second
      "{\"kind\":\"replay\",\"time\":5,\"level\":3,\"more\":{\"a\":1}}",
      "{\"kind\":\"replay\",\"time\":5,\"level\":3,\"level\":4}",  // a key twice
      "{\"kind\":\"dance\",\"time\":5}",
      "{\"kind\":\"save\",\"time\":5,\"file\":\"\xff\xfe.sav\"}",  // not UTF-8
      "{\"kind\":\"save\",\"time\":5,\"file\":\"\\ud800.sav\"}",   // half a character
      "{\"kind\":\"levelEnd\",\"time\":5,\"level\":2,\"points\":[1,2,3],\"total\":6}",
      "{\"kind\":\"levelEnd\",\"time\":5,\"level\":2,\"points\":[1,2,3,4,5,6,7,8,9,10,11,12,300],"
      "\"total\":6}",
      "{\"kind\":\"answer\",\"time\":5,\"level\":2,\"page\":15}",
      "{\"kind\":\"save\",\"time\":5,\"file\":\"" + std::string(1, '\0') + "\"}",
      "{\"kind\":\"save\",\"time\":5,\"file\":\"" + std::string(70'000, 'x') + "\"}",
  };
  TempFolder folder;
  const auto file = folder / "journal.jsonl";
  std::string text;
  std::vector<JournalRecord> good;
  for (std::size_t k = 0; k < damaged.size(); ++k) {
    const JournalRecord record =
        k % 2 == 0
            ? JournalRecord(ReplayRecord{static_cast<std::int64_t>(k), static_cast<int>(k) + 1})
            : JournalRecord(GameSaveRecord{static_cast<std::int64_t>(k), "d\xc3\xa9j\xc3\xa0.sav"});
    good.push_back(record);
    text += JournalLine(record) + damaged[k] + "\n";
  }
  text += "\r\n   \n";  // blank lines are no damage
  const JournalRecord last = GameSaveRecord{99, "zzz.sav"};
  text += JournalLine(last);
  good.push_back(last);
  AppendText(file, text);

  const JournalContents read = ReadJournal(file);
  EXPECT_EQ(read.records, good);
  EXPECT_EQ(read.damagedLines, static_cast<int>(damaged.size()));
  EXPECT_FALSE(read.cutShort);

  // Only the end: the line cut into is left out, not counted as damage.
  const std::string lastLines = "\r\n   \n" + JournalLine(last);
  const JournalContents tail = ReadJournal(file, lastLines.size() + 3);
  EXPECT_TRUE(tail.cutShort);
  EXPECT_EQ(tail.records, std::vector<JournalRecord>{last});
  EXPECT_EQ(tail.damagedLines, 0);

  EXPECT_EQ(ReadJournal(folder / "none.jsonl").records.size(), 0u);
  EXPECT_EQ(ReadJournal(folder / "none.jsonl").problem, "");
}

}  // namespace
}  // namespace quenna
