#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace quenna {

// The names of the settings that last between runs, in one place. Each is read through
// the helpers below, so a missing, damaged or out-of-range value gives the caller's
// default (the game as it starts the very first time).
namespace setting {
inline constexpr std::string_view kCardGame = "options/cardGame";        // on, off
inline constexpr std::string_view kMusic = "options/music";              // on, off
inline constexpr std::string_view kTips = "options/tips";                // on, off
inline constexpr std::string_view kCardSkill = "options/cardSkill";      // 1 easy .. 3 difficult
inline constexpr std::string_view kFitToScreen = "options/fitToScreen";  // on, off
inline constexpr std::string_view kReadAloud = "options/readAloud";      // on, off
inline constexpr std::string_view kSaveFolder = "files/saveFolder";      // a folder path
}  // namespace setting

inline bool ReadFlagSetting(Platform& platform, std::string_view key, bool fallback) {
  const auto stored = platform.ReadSetting(std::string(key));
  if (stored == "on") return true;
  if (stored == "off") return false;
  return fallback;
}

inline void WriteFlagSetting(Platform& platform, std::string_view key, bool on) {
  platform.WriteSetting(std::string(key), on ? "on" : "off");
}

inline int ReadNumberSetting(Platform& platform, std::string_view key, int fallback, int lowest,
                             int highest) {
  const auto stored = platform.ReadSetting(std::string(key));
  if (!stored) return fallback;
  int value = 0;
  const char* end = stored->data() + stored->size();
  const auto [stop, error] = std::from_chars(stored->data(), end, value);
  if (error != std::errc() || stop != end || value < lowest || value > highest) return fallback;
  return value;
}

inline void WriteNumberSetting(Platform& platform, std::string_view key, int value) {
  platform.WriteSetting(std::string(key), std::to_string(value));
}

}  // namespace quenna
