// A dialogue file ("d2\..." files) as the close-up window reads it: every line the window
// asks for, every key and every virtue digit, whatever the file holds.
#include "FuzzSupport.h"
#include "scene/ShiftedText.h"
#include "talk/Dialogue.h"

using namespace quenna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzz::ScratchFile("orn1716.dat", data, size);
  const DialogueText dialogue = DialogueText::Read(file);
  for (int n = -1; n <= dialogue::kLines; ++n) {
    if (dialogue.Line(n).size() > kDialogueFileLimit) fuzz::Broken("a line longer than the file");
  }
  for (int topic = 1; topic <= 3; ++topic) {
    dialogue.TopicLink(topic);
    dialogue.LeadIn(topic);
  }
  for (int q = 0; q < dialogue::kQuestions; ++q) {
    dialogue.QuestionLink(q);
    dialogue.Question(q);
    for (int letter = 0; letter < 3; ++letter) {
      dialogue.Answer(q, letter);
      IsCorrectAnswer(dialogue.Key(q), static_cast<char>('A' + letter));
    }
    for (int virtue : dialogue.Virtues(q)) {
      if (virtue < 0 || virtue > 13) fuzz::Broken("a virtue digit gave " + std::to_string(virtue));
    }
  }
  return 0;
}
