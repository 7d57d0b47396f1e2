#pragma once

#include <array>
#include <cstdint>

namespace quenna {

// One mark per question of every speaker: 0, or the level in which the question was
// answered correctly (low 8 bits). Nine questions per speaker, indexed speaker x 9 + q.
// A saved game holds the marks of speakers 0..37 (342 bytes); the last two speakers of
// the date book (38 and 39) are kept here too, so no mark falls outside, but they are
// not saved, as the saved-game file has no room for them.
class AnswerMarks {
 public:
  static constexpr int kSpeakers = 40;
  static constexpr int kQuestionsPerSpeaker = 9;
  static constexpr int kSavedMarks = 342;

  std::int8_t Mark(int speaker, int question) const;
  bool Answered(int speaker, int question) const { return Mark(speaker, question) != 0; }
  // Ignored for a speaker or question outside the table.
  void SetMark(int speaker, int question, int level);
  // Frees every question answered in the given level (a level replay).
  void FreeLevel(int level);
  void Clear() { marks_ = {}; }

  std::array<std::int8_t, kSavedMarks> SavedBytes() const;
  // Loads the saved marks; the marks of the unsaved speakers are cleared.
  void LoadSavedBytes(const std::array<std::int8_t, kSavedMarks>& bytes);

  bool operator==(const AnswerMarks&) const = default;

 private:
  std::array<std::int8_t, kSpeakers * kQuestionsPerSpeaker> marks_{};
};

}  // namespace quenna
