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
  for (std::size_t i = 0; i < kSpareSpeakers.size(); ++i) {
    const int speaker = kFirstSpeakerSavedElsewhere + static_cast<int>(i);
    std::copy_n(marks_.begin() + static_cast<std::ptrdiff_t>(Index(speaker, 0)),
                kQuestionsPerSpeaker,
                bytes.begin() + static_cast<std::ptrdiff_t>(Index(kSpareSpeakers[i], 0)));
  }
  return bytes;
}

void AnswerMarks::LoadSavedBytes(const std::array<std::int8_t, kSavedMarks>& bytes) {
  marks_ = {};
  std::copy(bytes.begin(), bytes.end(), marks_.begin());
  for (std::size_t i = 0; i < kSpareSpeakers.size(); ++i) {
    const int speaker = kFirstSpeakerSavedElsewhere + static_cast<int>(i);
    const auto spare = marks_.begin() + static_cast<std::ptrdiff_t>(Index(kSpareSpeakers[i], 0));
    std::copy_n(spare, kQuestionsPerSpeaker,
                marks_.begin() + static_cast<std::ptrdiff_t>(Index(speaker, 0)));
    std::fill_n(spare, kQuestionsPerSpeaker, std::int8_t{0});
  }
}

}  // namespace quenna
