#include "talk/Dialogue.h"

#include "core/WorldTables.h"
#include "scene/ShiftedText.h"

namespace quenna {

bool IsCorrectAnswer(std::string_view keyLine, char letter) {
  return !keyLine.empty() && keyLine.front() == letter;
}

std::array<int, dialogue::kVirtuesPerQuestion> CreditedVirtues(std::string_view digitLine) {
  std::array<int, dialogue::kVirtuesPerQuestion> virtues{};
  for (std::size_t i = 0; i < virtues.size() && i < digitLine.size(); ++i) {
    if (IsVirtueCharacter(digitLine[i])) virtues[i] = VirtueCharacterValue(digitLine[i]);
  }
  return virtues;
}

DialogueText::DialogueText(std::string_view text) : lines_(SplitLines(text)) {}

DialogueText DialogueText::Read(const std::filesystem::path& file) {
  return DialogueText(ReadShiftedText(file, kDialogueFileLimit));
}

const std::string& DialogueText::Line(int n) const {
  static const std::string kEmpty;
  if (n < 0 || n >= LineCount()) return kEmpty;
  return lines_[static_cast<std::size_t>(n)];
}

}  // namespace quenna
