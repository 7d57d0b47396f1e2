#include "store/ProgressSummary.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <utility>

namespace quenna {
namespace {

bool HasPoints(const LevelPoints& points) {
  return std::any_of(points.begin(), points.end(), [](int value) { return value != 0; });
}

bool IsEmpty(const GameProgress& game) {
  return game.questions.empty() &&
         std::none_of(game.levels.begin(), game.levels.end(),
                      [](const LevelProgress& level) { return level.recorded; });
}

// Follows the records and keeps the games apart.
class SummaryBuilder {
 public:
  void Add(const JournalRecord& record) {
    std::visit([this](const auto& r) { Take(r); }, record);
  }

  std::vector<GameProgress> Finish() {
    std::vector<GameProgress> kept;
    for (auto& game : games_) {
      if (IsEmpty(game)) continue;
      game.number = static_cast<int>(kept.size()) + 1;
      for (auto& question : game.questions) question.game = game.number - 1;
      kept.push_back(std::move(game));
    }
    return kept;
  }

 private:
  using QuestionKey = std::pair<std::string, int>;

  int Begin(GameBeginning beginning, std::int64_t time) {
    GameProgress game;
    game.beginning = beginning;
    game.firstTime = time;
    game.lastTime = time;
    games_.push_back(std::move(game));
    openQuestions_.emplace_back();
    current_ = static_cast<int>(games_.size()) - 1;
    return current_;
  }

  GameProgress& Current(std::int64_t time) {
    if (current_ < 0) Begin(GameBeginning::kUnrecorded, time);
    GameProgress& game = games_[static_cast<std::size_t>(current_)];
    game.firstTime = std::min(game.firstTime, time);
    game.lastTime = std::max(game.lastTime, time);
    return game;
  }

  void Take(const GameStartRecord& r) {
    Begin(r.how == GameStartKind::kNewGame ? GameBeginning::kNewGame : GameBeginning::kStartGame,
          r.time);
  }

  void Take(const GameOpenRecord& r) {
    const auto saver = savedBy_.find(r.savedGame);
    if (saver != savedBy_.end()) {
      current_ = saver->second;
    } else {
      Begin(GameBeginning::kOpenedGame, r.time);
      games_.back().savedGame = r.savedGame;
    }
    GameProgress& game = Current(r.time);
    for (std::size_t row = 0; row < game.levels.size() && row < r.table.size(); ++row) {
      LevelProgress& level = game.levels[row];
      // A level the saved game holds as the game had it keeps the time it ended.
      if (level.recorded && level.points == r.table[row]) continue;
      level = {r.table[row], r.time, HasPoints(r.table[row])};
    }
    game.finished = false;
    savedBy_[r.savedGame] = current_;
  }

  void Take(const GameSaveRecord& r) {
    Current(r.time);
    savedBy_[r.savedGame] = current_;
  }

  void Take(const AnswerRecord& r) {
    GameProgress& game = Current(r.time);
    auto& open = openQuestions_[static_cast<std::size_t>(current_)];
    const QuestionKey key{r.dialogueFile, r.question};
    auto found = open.find(key);
    if (found == open.end()) {
      QuestionProgress question;
      question.page = r.page;
      question.speaker = r.speaker;
      question.person = r.person;
      question.dialogueFile = r.dialogueFile;
      question.question = r.question;
      question.questionText = r.questionText;
      question.right = r.right;
      question.rightText = r.rightText;
      game.questions.push_back(std::move(question));
      found = open.emplace(key, game.questions.size() - 1).first;
    }
    QuestionProgress& question = game.questions[found->second];
    question.tries.push_back({r.time, r.level, r.chosen, r.chosenText, r.correct});
    if (r.correct) {
      question.virtues = r.virtues;
      question.bonusVirtue = r.bonusVirtue;
      open.erase(found);
    }
  }

  void Take(const LevelEndRecord& r) {
    GameProgress& game = Current(r.time);
    game.levels[static_cast<std::size_t>(r.level - 1)] = {r.points, r.time, true};
    game.finalTotal = r.total;
    if (r.level == LevelTable::kLastLevelPlayed) game.finished = true;
  }

  void Take(const ReplayRecord& r) {
    GameProgress& game = Current(r.time);
    game.levels[static_cast<std::size_t>(r.level - 1)] = {{}, r.time, false};
  }

  std::vector<GameProgress> games_;
  // Per game, the questions tried but not yet answered right, by dialogue and number.
  std::vector<std::map<QuestionKey, std::size_t>> openQuestions_;
  std::map<std::string, int> savedBy_;
  int current_ = -1;
};

bool Inside(const ProgressFilter& filter, std::int64_t time) {
  return time >= filter.from && time < filter.to;
}

void Widen(ProgressView& view, std::int64_t time) {
  if (view.firstTime == 0 && view.lastTime == 0) {
    view.firstTime = view.lastTime = time;
    return;
  }
  view.firstTime = std::min(view.firstTime, time);
  view.lastTime = std::max(view.lastTime, time);
}

}  // namespace

int LevelProgress::Sum() const {
  return std::accumulate(points.begin(), points.end(), 0);
}

ProgressSummary ProgressSummary::FromRecords(const std::vector<JournalRecord>& records) {
  SummaryBuilder builder;
  for (const auto& record : records) builder.Add(record);
  ProgressSummary summary;
  summary.games_ = builder.Finish();
  return summary;
}

ProgressView Select(const ProgressSummary& summary, const ProgressFilter& filter) {
  ProgressView view;
  const auto& games = summary.Games();
  for (std::size_t index = 0; index < games.size(); ++index) {
    if (filter.game && *filter.game != static_cast<int>(index)) continue;
    const GameProgress& game = games[index];
    for (std::size_t row = 0; row < game.levels.size(); ++row) {
      const LevelProgress& level = game.levels[row];
      if (!level.recorded || !Inside(filter, level.time)) continue;
      view.levelShown[row] = true;
      for (std::size_t v = 0; v < level.points.size(); ++v) {
        view.levels[row][v] += level.points[v];
        view.virtueTotals[v] += level.points[v];
      }
      view.total += level.Sum();
      Widen(view, level.time);
    }
    for (const QuestionProgress& question : game.questions) {
      if (!Inside(filter, question.Time())) continue;
      view.questions.push_back(&question);
      view.tries += static_cast<int>(question.tries.size());
      for (const AnswerTry& answer : question.tries) {
        if (!answer.correct) ++view.wrongTries;
        Widen(view, answer.time);
      }
      if (question.AnsweredRight()) {
        ++view.answeredRight;
        if (question.tries.size() == 1) ++view.rightFirstTime;
      }
    }
  }
  std::stable_sort(
      view.questions.begin(), view.questions.end(),
      [](const QuestionProgress* a, const QuestionProgress* b) { return a->Time() < b->Time(); });
  return view;
}

std::string ReportName(const HighScoreTable& hallOfFame, const ProgressSummary& summary,
                       const ProgressFilter& filter) {
  auto named = [&hallOfFame](int slot) {
    return hallOfFame.Name(slot) != HighScoreTable::kEmptyName;
  };
  std::optional<int> chosen;
  const auto& games = summary.Games();
  for (std::size_t index = games.size(); index-- > 0 && !chosen;) {
    const GameProgress& game = games[index];
    if (filter.game && *filter.game != static_cast<int>(index)) continue;
    if (!game.finished || !Inside(filter, game.lastTime)) continue;
    for (int slot = 0; slot < HighScoreTable::kSlots && !chosen; ++slot) {
      if (named(slot) && hallOfFame.Score(slot) == game.finalTotal) chosen = slot;
    }
  }
  for (int slot = 0; slot < HighScoreTable::kSlots && !chosen.has_value(); ++slot) {
    if (!named(slot)) continue;
    int best = slot;
    for (int other = slot + 1; other < HighScoreTable::kSlots; ++other) {
      if (named(other) && hallOfFame.Score(other) > hallOfFame.Score(best)) best = other;
    }
    chosen = best;
  }
  if (!chosen) return {};
  std::string name = hallOfFame.Name(*chosen);
  std::replace(name.begin(), name.end(), '_', ' ');
  return name;
}

}  // namespace quenna
