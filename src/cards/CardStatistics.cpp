#include "cards/CardStatistics.h"

#include <algorithm>

#include "cards/CardTable.h"

namespace quenna {

std::string_view SkillName(int skill) {
  if (skill < kEasySkill || skill > kDifficultSkill) skill = kEasySkill;
  return kSkillNames[static_cast<std::size_t>(skill - 1)];
}

int StrideOfSkill(int skill) {
  if (skill == kDifficultSkill) return kDifficultStride;
  if (skill == kMediumSkill) return kMediumStride;
  return kEasyStride;
}

int SkillOfStride(int stride) {
  if (stride == kDifficultStride) return kDifficultSkill;
  if (stride == kMediumStride) return kMediumSkill;
  return kEasySkill;
}

void RecordWin(SkillRecord& record, int redeals, int points) {
  record.gamesWon += 1;
  record.fewestRedeals = std::min(record.fewestRedeals.value_or(redeals), redeals);
  record.bestPoints = std::max(record.bestPoints.value_or(points), points);
}

}  // namespace quenna
