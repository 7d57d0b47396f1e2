#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quenna {

// The three skills of the "Skill" menu, numbered from the easiest as the settings keep
// them.
enum CardSkill : int { kEasySkill = 1, kMediumSkill = 2, kDifficultSkill = 3 };
inline constexpr std::array<std::string_view, 3> kSkillNames = {"Easy", "Medium", "Difficult"};
std::string_view SkillName(int skill);
// A skill's shuffle stride and back; anything unknown counts as Easy.
int StrideOfSkill(int skill);
int SkillOfStride(int stride);

// How well the player has played one skill, over all the runs of the game.
struct SkillRecord {
  int gamesWon = 0;
  std::optional<int> fewestRedeals;  // nothing before the first win
  std::optional<int> bestPoints;     // the "Total Points" of the best win
  bool operator==(const SkillRecord&) const = default;
};

// A won game: one win more, and its redeals and points where they beat the record.
void RecordWin(SkillRecord& record, int redeals, int points);

}  // namespace quenna
