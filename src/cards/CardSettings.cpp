#include "cards/CardSettings.h"

#include <cctype>
#include <climits>
#include <optional>

#include "platform/PlayerSettings.h"

namespace quenna {
namespace {

constexpr std::string_view kWon = "won";
constexpr std::string_view kFewestRedeals = "fewestRedeals";
constexpr std::string_view kBestPoints = "bestPoints";
// Points run from 2 x -128 + 3, where a win's credit stops, to 43 on "Difficult".
constexpr int kLowestPoints = -253;
constexpr int kHighestPoints = 43;

std::optional<int> ReadFigure(Platform& platform, int skill, std::string_view figure, int lowest,
                              int highest) {
  const std::string key = setting::CardStatisticKey(skill, figure);
  // Anything out of range reads as the fallback, which lies outside the range too.
  const int value = ReadNumberSetting(platform, key, lowest - 1, lowest, highest);
  if (value < lowest) return std::nullopt;
  return value;
}

void WriteFigure(Platform& platform, int skill, std::string_view figure,
                 const std::optional<int>& value) {
  const std::string key = setting::CardStatisticKey(skill, figure);
  platform.WriteSetting(key, value ? std::to_string(*value) : std::string());
}

}  // namespace

std::string setting::CardStatisticKey(int skill, std::string_view figure) {
  std::string name(SkillName(skill));
  for (char& letter : name) letter = static_cast<char>(std::tolower(letter));
  return "cards/" + name + "/" + std::string(figure);
}

int ReadCardSkill(Platform& platform) {
  return ReadNumberSetting(platform, setting::kCardSkill, kEasySkill, kEasySkill, kDifficultSkill);
}

void WriteCardSkill(Platform& platform, int skill) {
  WriteNumberSetting(platform, setting::kCardSkill, skill);
}

SkillRecord ReadSkillRecord(Platform& platform, int skill) {
  SkillRecord record;
  record.gamesWon = ReadFigure(platform, skill, kWon, 0, INT_MAX - 1).value_or(0);
  if (record.gamesWon > 0) {
    record.fewestRedeals = ReadFigure(platform, skill, kFewestRedeals, 0, INT_MAX - 1);
    record.bestPoints = ReadFigure(platform, skill, kBestPoints, kLowestPoints, kHighestPoints);
  }
  return record;
}

void WriteSkillRecord(Platform& platform, int skill, const SkillRecord& record) {
  WriteFigure(platform, skill, kWon, record.gamesWon);
  WriteFigure(platform, skill, kFewestRedeals, record.fewestRedeals);
  WriteFigure(platform, skill, kBestPoints, record.bestPoints);
}

}  // namespace quenna
