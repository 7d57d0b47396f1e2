#pragma once

#include <string>
#include <string_view>

#include "core/LevelTable.h"

namespace quenna {

// What a correct answer earns, in the level's row of the level table: 4 points for each of
// the question's four virtues (an unknown digit credits nothing) and 1 more progress. When
// one of them is the virtue sought, it earns 20 more, once: the task's virtue then carries
// the bonus mark (kBonusMark) until the level ends.
inline constexpr int kPointsPerVirtue = 4;
inline constexpr int kBonusPoints = 20;

// The bonus check for one credited virtue (GetPoints): when it is the virtue sought, adds
// the bonus to the level's row. Returns the task's virtue as it is afterwards.
int CheckBonus(LevelTable& table, int level, int taskVirtue, int virtue);

struct AnswerScore {
  int taskVirtue = 0;        // the task's virtue afterwards, with the bonus mark once earned
  bool bonusEarned = false;  // this answer earned the bonus
};
// Credits a correct answer of the given level, whose virtue digits line is given, to the
// table (CreditAnswer without the answer mark).
AnswerScore ScoreAnswer(LevelTable& table, int level, int taskVirtue,
                        std::string_view virtueDigits);

// The message that ends a level, before the invitation to the next: it names the virtue
// sought when the bonus is due.
std::string LevelEndText(int taskVirtue);
inline constexpr std::string_view kNextLevelInvitation =
    "  Now please click on the cover to achieve the next level.";

}  // namespace quenna
