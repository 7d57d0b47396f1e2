#pragma once

#include <string>
#include <string_view>

#include "cards/CardStatistics.h"
#include "platform/Platform.h"

namespace quenna {

// What the card window keeps between runs, in the game's settings: the skill last chosen
// (options/cardSkill) and the statistics of each skill, under "cards/easy/won",
// "cards/easy/fewestRedeals", "cards/easy/bestPoints" and the same for "medium" and
// "difficult". A missing or damaged value reads as the game's first start: Easy, and no
// games won.
namespace setting {
std::string CardStatisticKey(int skill, std::string_view figure);
}  // namespace setting

int ReadCardSkill(Platform& platform);
void WriteCardSkill(Platform& platform, int skill);

SkillRecord ReadSkillRecord(Platform& platform, int skill);
void WriteSkillRecord(Platform& platform, int skill, const SkillRecord& record);

}  // namespace quenna
