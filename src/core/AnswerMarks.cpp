#include "core/AnswerMarks.h"

#include <algorithm>

namespace quenna {
namespace {
bool Inside(int speaker, int question) {
  return speaker >= 0 && speaker < AnswerMarks::kSpeakers && question >= 0 &&
         question < AnswerMarks::kQuestionsPerSpeaker;
}
std::size_t Index(int speaker, int question) {
  return static_cast<std::size_t>(speaker * AnswerMarks::kQuestionsPerSpeaker + question);
}
}  // namespace

std::int8_t AnswerMarks::Mark(int speaker, int question) const {
  return Inside(speaker, question) ? marks_[Index(speaker, question)] : 0;
}

void AnswerMarks::SetMark(int speaker, int question, int level) {
  if (Inside(speaker, question)) {
    marks_[Index(speaker, question)] = static_cast<std::int8_t>(static_cast<std::uint8_t>(level));
  }
}

void AnswerMarks::FreeLevel(int level) {
  const auto mark = static_cast<std::int8_t>(static_cast<std::uint8_t>(level));
  std::replace(marks_.begin(), marks_.end(), mark, std::int8_t{0});
}

std::array<std::int8_t, AnswerMarks::kSavedMarks> AnswerMarks::SavedBytes() const {
  std::array<std::int8_t, kSavedMarks> bytes{};
  std::copy_n(marks_.begin(), kSavedMarks, bytes.begin());
  return bytes;
}

void AnswerMarks::LoadSavedBytes(const std::array<std::int8_t, kSavedMarks>& bytes) {
  marks_ = {};
  std::copy(bytes.begin(), bytes.end(), marks_.begin());
}

}  // namespace quenna
