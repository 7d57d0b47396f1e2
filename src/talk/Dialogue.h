#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quenna {

// A dialogue file ("d2\..." files): ShiftedText of at most 6400 bytes, CR LF lines
// numbered from 0, every line with a fixed role:
//
//   0..5            the opening speech, one page per line
//   6, 7, 8         the three topic links
//   9 + 4(t-1)      topic t (1..3): the person's lead-in ...
//   10..12 + 4(t-1) ... and the links to its questions 3(t-1) .. 3(t-1)+2
//   21 + 4q         question q (0..8): its text
//   22..24 + 4q     question q: answers A, B, C
//   57 + q          question q's key line: its first character is the correct letter
//                   (upper case); the whole line is the reply to that answer
//   66              the reply to any wrong answer
//   67              unused
//   68 + q          question q: four virtue digits "1".."9", "A".."D"
//
// A line the file does not have reads as empty.
namespace dialogue {
inline constexpr int kLines = 77;
inline constexpr int kOpeningPages = 6;
inline constexpr int kQuestions = 9;
inline constexpr int kQuestionsPerTopic = 3;
inline constexpr int kVirtuesPerQuestion = 4;
inline constexpr int kFirstTopicLink = 6;
inline constexpr int kFirstKeyLine = 57;
inline constexpr int kWrongReplyLine = 66;
inline constexpr int kFirstDigitLine = 68;

constexpr int TopicOf(int question) {
  return question / kQuestionsPerTopic + 1;
}
constexpr int TopicLinkLine(int topic) {
  return kFirstTopicLink + topic - 1;
}
constexpr int LeadInLine(int topic) {
  return 9 + 4 * (topic - 1);
}
constexpr int QuestionLinkLine(int question) {
  return LeadInLine(TopicOf(question)) + 1 + question % kQuestionsPerTopic;
}
constexpr int QuestionLine(int question) {
  return 21 + 4 * question;
}
// letterIndex 0, 1, 2 for A, B, C.
constexpr int AnswerLine(int question, int letterIndex) {
  return QuestionLine(question) + 1 + letterIndex;
}
constexpr int KeyLine(int question) {
  return kFirstKeyLine + question;
}
constexpr int DigitLine(int question) {
  return kFirstDigitLine + question;
}
}  // namespace dialogue

// Whether the key line accepts an answer: its first character is that very letter.
// An empty key line or a lower-case letter accepts nothing.
bool IsCorrectAnswer(std::string_view keyLine, char letter);

// The four virtues (1..13) a correct answer credits, read from the first four
// characters of its digit line. A missing or unknown character gives 0: no virtue.
std::array<int, dialogue::kVirtuesPerQuestion> CreditedVirtues(std::string_view digitLine);

// The decoded lines of one dialogue file.
class DialogueText {
 public:
  DialogueText() = default;
  explicit DialogueText(std::string_view text);
  // Reads a dialogue file; a missing file gives a dialogue whose every line is empty.
  static DialogueText Read(const std::filesystem::path& file);

  // Line n, or "" when the file has no such line.
  const std::string& Line(int n) const;
  int LineCount() const { return static_cast<int>(lines_.size()); }

  const std::string& Opening(int page) const { return Line(page); }
  const std::string& TopicLink(int topic) const { return Line(dialogue::TopicLinkLine(topic)); }
  const std::string& LeadIn(int topic) const { return Line(dialogue::LeadInLine(topic)); }
  const std::string& QuestionLink(int q) const { return Line(dialogue::QuestionLinkLine(q)); }
  const std::string& Question(int q) const { return Line(dialogue::QuestionLine(q)); }
  const std::string& Answer(int q, int letterIndex) const {
    return Line(dialogue::AnswerLine(q, letterIndex));
  }
  const std::string& Key(int q) const { return Line(dialogue::KeyLine(q)); }
  const std::string& WrongReply() const { return Line(dialogue::kWrongReplyLine); }
  std::array<int, dialogue::kVirtuesPerQuestion> Virtues(int q) const {
    return CreditedVirtues(Line(dialogue::DigitLine(q)));
  }

 private:
  std::vector<std::string> lines_;
};

}  // namespace quenna
