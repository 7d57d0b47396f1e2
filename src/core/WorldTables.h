#pragma once

#include <array>
#include <string_view>

#include "core/GameFiles.h"

namespace quenna {

// The fifteen tabs of the date book: the cover and the fourteen years of Orn Hollin's
// life. The date caption sits above a page's narration; the picture offsets are used
// only on screens exactly 600 pixels high, where the scene is not stretched.
struct DateTab {
  std::string_view tabCaption;
  std::string_view dateCaption;  // empty for the cover
  std::string_view scenePicture;
  int offsetLeft;
  int offsetTop;
};

inline constexpr int kCoverTab = 0;
inline constexpr int kYearTabs = 14;
// The task value that lets the player talk on every page.
inline constexpr int kAnyTab = 99;

inline constexpr std::array<DateTab, 15> kDateTabs = {{
    {"Cover", "", kCoverPicture, 0, 0},
    {"1716", "-1716", kYearPages[0].scenePicture, -100, -100},
    {"1719", "-1719", kYearPages[1].scenePicture, -50, -100},
    // The 1722 page tells of 1720 as well; its caption has always said so.
    {"1722", "-1720", kYearPages[2].scenePicture, -50, -100},
    {"1723", "-1723", kYearPages[3].scenePicture, -50, -100},
    {"1725", "-1725", kYearPages[4].scenePicture, -50, -100},
    {"1727", "-1727", kYearPages[5].scenePicture, -50, -20},
    {"1728", "-1728", kYearPages[6].scenePicture, -50, -100},
    {"1735", "-1735", kYearPages[7].scenePicture, -50, -100},
    {"1746", "-1746", kYearPages[8].scenePicture, -20, -50},
    {"1752", "-1752", kYearPages[9].scenePicture, -50, -100},
    {"1776", "-1776", kYearPages[10].scenePicture, -20, -50},
    {"1778", "-1778", kYearPages[11].scenePicture, -50, -50},
    {"1779", "-1779", kYearPages[12].scenePicture, -50, -100},
    {"1785", "-1785", kYearPages[13].scenePicture, -50, -100},
}};

// The picture of a page. On screens exactly 600 pixels high, where the scene is not
// stretched, the cover has a picture of its own.
constexpr std::string_view PagePicture(int tab, int screenHeight) {
  if (tab == kCoverTab && screenHeight == 600) return kCoverPicture600;
  return kDateTabs.at(static_cast<std::size_t>(tab)).scenePicture;
}

// The thirteen virtues, numbered 1..13. Messages append the name with its full stop.
inline constexpr int kVirtueCount = 13;
inline constexpr std::array<std::string_view, kVirtueCount> kVirtueNames = {
    "temperance.",   "silence.",   "order.",   "resolution.", "frugality.",
    "industry.",     "sincerity.", "justice.", "moderation.", "cleanliness.",
    "tranquillity.", "chastity.",  "humility."};

// The name used in messages; 13 and every number outside 1..12 read "humility.".
constexpr std::string_view VirtueName(int virtue) {
  return virtue >= 1 && virtue <= 12 ? kVirtueNames[static_cast<std::size_t>(virtue - 1)]
                                     : kVirtueNames[12];
}

// The task's virtue carries 100 more once an answer has shown it and the bonus is due;
// the virtue itself is what remains without that mark.
inline constexpr int kBonusMark = 100;
constexpr bool BonusDue(int taskVirtue) {
  return taskVirtue >= kBonusMark;
}
constexpr int SoughtVirtue(int taskVirtue) {
  return BonusDue(taskVirtue) ? taskVirtue - kBonusMark : taskVirtue;
}

// Data files, card faces and the level list write a virtue as one character:
// "1".."9" for 1..9 and "A".."D" for 10..13.
constexpr char VirtueCharacter(int virtue) {
  return static_cast<char>(virtue <= 9 ? '0' + virtue : 'A' + (virtue - 10));
}

// The value of a virtue character as the game computes it: the code minus "0", and
// 7 less again above 9. Characters other than "1".."9", "A".."D" give values outside 1..13.
constexpr int VirtueCharacterValue(char c) {
  int value = c - '0';
  if (value > 9) value -= 7;
  return value;
}

constexpr bool IsVirtueCharacter(char c) {
  return (c >= '1' && c <= '9') || (c >= 'A' && c <= 'D');
}

// Action modes; each is also the number of the cursor over the scene picture.
enum ActionModes : int { kLookMode = 1, kTalkMode = 2, kHandMode = 3 };

}  // namespace quenna
