#include "talk/AnswerScoring.h"

#include <array>

#include "core/WorldTables.h"
#include "talk/Dialogue.h"

namespace quenna {

int CheckBonus(LevelTable& table, int level, int taskVirtue, int virtue) {
  // Once the bonus is earned the task's virtue carries the mark, so no virtue matches again.
  if (virtue != taskVirtue) return taskVirtue;
  table.Add(level - 1, virtue - 1, kBonusPoints);
  return taskVirtue + kBonusMark;
}

AnswerScore ScoreAnswer(LevelTable& table, int level, int taskVirtue,
                        std::string_view virtueDigits) {
  AnswerScore score{taskVirtue, false};
  std::array<LevelCredit, dialogue::kVirtuesPerQuestion> credits{};
  const auto virtues = CreditedVirtues(virtueDigits);
  for (std::size_t i = 0; i < virtues.size(); ++i) {
    if (virtues[i] == 0) continue;
    score.taskVirtue = CheckBonus(table, level, score.taskVirtue, virtues[i]);
    credits[i] = {static_cast<std::int8_t>(virtues[i] - 1),
                  static_cast<std::int8_t>(kPointsPerVirtue)};
  }
  score.bonusEarned = score.taskVirtue != taskVirtue;
  table.Record(level - 1, credits);
  return score;
}

std::string LevelEndText(int taskVirtue) {
  if (!BonusDue(taskVirtue)) {
    return "Congratulations on completing the level.  No bonus points were earned.";
  }
  return "Congratulations! This question earned bonus points for " +
         std::string(VirtueName(SoughtVirtue(taskVirtue)));
}

}  // namespace quenna
