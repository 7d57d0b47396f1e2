#pragma once

#include <array>
#include <cstdint>

namespace quenna {

// One mark per question of every speaker: 0, or the level in which the question was
// answered correctly (low 8 bits). Nine questions per speaker, indexed speaker x 9 + q.
// A saved game has room for 342 marks, speakers 0..37. Nobody in the date book has the
// speaker numbers 0 and 8, so the marks of the last two speakers, 38 and 39, are saved
// in those two speakers' places; a game opened again remembers every answer.
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

  // The unused speakers whose places in a saved game hold the marks of speakers 38, 39.
  static constexpr int kFirstSpeakerSavedElsewhere = 38;
  static constexpr std::array<int, 2> kSpareSpeakers = {0, 8};

  std::array<std::int8_t, kSavedMarks> SavedBytes() const;
  void LoadSavedBytes(const std::array<std::int8_t, kSavedMarks>& bytes);

  bool operator==(const AnswerMarks&) const = default;

 private:
  std::array<std::int8_t, kSpeakers * kQuestionsPerSpeaker> marks_{};
};

}  // namespace quenna
