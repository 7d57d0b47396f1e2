#include "store/SampleJournal.h"

#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "core/WorldTables.h"
#include "media/DataFolder.h"
#include "store/Journal.h"
#include "talk/Dialogue.h"
#include "talk/Roster.h"

namespace quenna::testing {
namespace {

// A dialogue with made-up questions, for a journal without the game's data.
DialogueText MadeUpDialogue(const RosterRow& person) {
  std::string text;
  for (int line = 0; line < dialogue::kLines; ++line) {
    std::string content;
    for (int q = 0; q < dialogue::kQuestions; ++q) {
      const std::string name(person.character);
      if (line == dialogue::QuestionLine(q)) {
        content = "What would " + name + " say about question " + std::to_string(q + 1) + "?";
      }
      for (int letter = 0; letter < 3; ++letter) {
        if (line == dialogue::AnswerLine(q, letter)) {
          content = std::string(1, static_cast<char>('A' + letter)) + " answer of " + name;
        }
      }
      if (line == dialogue::KeyLine(q))
        content = std::string(1, "ABC"[(q + person.speaker) % 3]) + " is right.";
      if (line == dialogue::DigitLine(q)) {
        for (int k = 0; k < 4; ++k)
          content += VirtueCharacter((q * 3 + k * 5 + person.speaker) % 13 + 1);
      }
    }
    text += content + "\r\n";
  }
  return DialogueText(text);
}

class SamplePlayer {
 public:
  SamplePlayer(const std::filesystem::path& journal, const SamplePlay& play)
      : file_(journal), play_(play), random_(play.seed), now_(play.startTime) {
    const DataFolder data(play.dataFolder);
    for (const RosterRow& person : kRoster) {
      DialogueText lines;
      if (!play.dataFolder.empty()) lines = DialogueText::Read(data.Resolve(person.dialogue));
      // A dialogue not yet written gets made-up questions.
      if (lines.Question(0).empty()) lines = MadeUpDialogue(person);
      dialogues_.emplace_back(&person, std::move(lines));
    }
  }

  std::vector<LevelTable> Play() {
    std::vector<LevelTable> tables;
    for (int game = 0; game < play_.games && !Done(); ++game) {
      if (game > 0) now_ += Between(10, 40) * 3600;
      table_.Clear();
      answered_.clear();
      Write(GameStartRecord{0, game == 0 ? GameStartKind::kStartGame : GameStartKind::kNewGame});
      for (int level = 1; level <= LevelTable::kLastLevelPlayed && !Done(); ++level) {
        PlayLevel(level);
        // Now and then a level played before is played again.
        if (level > 5 && Between(0, 30) == 0) {
          const int again = Between(1, level - 1);
          now_ += Between(20, 90);
          Write(ReplayRecord{0, again});
          table_.ClearPoints(again - 1);
          for (auto it = answered_.begin(); it != answered_.end();) {
            it = it->second == again ? answered_.erase(it) : std::next(it);
          }
          PlayLevel(again);
        }
        // A break for the night every dozen levels or so.
        if (level % 12 == 0) now_ += Between(14, 20) * 3600;
      }
      tables.push_back(table_);
    }
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << lines_;
    return tables;
  }

 private:
  // The lines as the Journal writes them, all at once: a flush to the disk per line would
  // make a journal of ten thousand answers take a minute.
  void Write(JournalRecord record) {
    std::visit([this](auto& r) { r.time = now_; }, record);
    lines_ += JournalLine(record);
  }

  bool Done() const { return play_.answerLimit > 0 && answers_ >= play_.answerLimit; }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void PlayLevel(int level) {
    const int row = level - 1;
    int taskVirtue = Between(1, kVirtueCount);
    // The card game won: its points and one progress for the win, one for the record.
    const int cardPoints = Between(1, 6);
    now_ += Between(120, 600);
    table_.Add(row, 2, cardPoints);
    table_.Add(row, 3, 1);
    table_.Add(row, 4, cardPoints);
    table_.Add(row, 5, 1);
    table_.Add(row, LevelTable::kProgressColumn, 1);

    const auto& [person, lines] =
        dialogues_[static_cast<std::size_t>(Between(0, static_cast<int>(dialogues_.size()) - 1))];
    int question = Between(0, dialogue::kQuestions - 1);
    for (int tries = 0;
         tries < dialogue::kQuestions && answered_.count({person->speaker, question}); ++tries) {
      question = (question + 1) % dialogue::kQuestions;
    }
    const QuestionLines asked{
        lines.Question(question),
        {lines.Answer(question, 0), lines.Answer(question, 1), lines.Answer(question, 2)},
        lines.Key(question),
        lines.Line(dialogue::DigitLine(question))};
    const Interlocutor who{person->tab, person->speaker, person->character, person->dialogue};
    const char right = lines.Key(question).empty() ? 'A' : lines.Key(question)[0];

    // Wrong answers first, now and then.
    for (int wrong = 0; wrong < 2 && Between(0, 99) < 35 && !Done(); ++wrong) {
      now_ += Between(30, 240);
      const char letter = static_cast<char>('A' + (right - 'A' + Between(1, 2)) % 3);
      Write(DescribeAnswer(level, who, question, asked, letter, taskVirtue));
      ++answers_;
    }
    if (Done()) return;
    now_ += Between(30, 240);
    const AnswerRecord answer = DescribeAnswer(level, who, question, asked, right, taskVirtue);
    Write(answer);
    ++answers_;
    answered_[{person->speaker, question}] = level;
    // Scored as the game scores it.
    for (const int virtue : answer.virtues) {
      if (virtue == taskVirtue) {
        taskVirtue += 100;
        table_.Add(row, virtue - 1, 20);
      }
      table_.Add(row, virtue - 1, 4);
    }
    table_.Add(row, LevelTable::kProgressColumn, 1);
    now_ += Between(5, 30);
    Write(LevelEndRecord{0, level, PointsOfRow(table_, row), table_.PointsTotal()});
  }

  std::filesystem::path file_;
  SamplePlay play_;
  std::mt19937 random_;
  std::int64_t now_;
  std::string lines_;
  std::vector<std::pair<const RosterRow*, DialogueText>> dialogues_;
  LevelTable table_;
  std::map<std::pair<int, int>, int> answered_;  // speaker and question: the level
  int answers_ = 0;
};

}  // namespace

std::vector<LevelTable> WriteSampleJournal(const std::filesystem::path& journal,
                                           const SamplePlay& play) {
  SamplePlayer player(journal, play);
  return player.Play();
}

}  // namespace quenna::testing
