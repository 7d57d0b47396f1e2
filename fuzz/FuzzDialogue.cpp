// A dialogue file ("d2\..." files): every line the close-up window asks for, every key and
// every virtue digit, whatever the file holds; then a whole conversation in the close-up
// window of the running game (on the test platform), answering one question.
#include "FuzzSupport.h"
#include "scene/ShiftedText.h"
#include "shell/TForm1.h"
#include "support/TalkFixtures.h"
#include "support/TestGame.h"
#include "talk/Dialogue.h"
#include "talk/TCloseUp.h"

using namespace quenna;

namespace {

constexpr const char* kDialogueFile = "d2\\tul1722.dat";
constexpr const char* kPicture = "closeups//tullan1x1.jpg";

testing::TestGame& RunningGame() {
  static testing::TestGame* test = [] {
    auto* made = new testing::TestGame;
    made->data.WritePicture(kPicture, 380, 380, Qt::darkGreen);
    made->StartGame();
    std::atexit([] { delete &RunningGame(); });
    return made;
  }();
  return *test;
}

void ReadEveryLine(const DialogueText& dialogue) {
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
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, true);
  RunningGame();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing::TestGame& test = RunningGame();
  test.data.WriteFile(kDialogueFile, std::string(fuzz::Text(data, size)));
  ReadEveryLine(DialogueText::Read(test.data.PathOf(kDialogueFile)));

  // Which question and answer depends on the file, so the fuzzer meets them all.
  const int question = static_cast<int>(size % dialogue::kQuestions);
  const char letter = static_cast<char>('A' + size / dialogue::kQuestions % 3);
  TCloseUp& closeUp = test.game->CloseUp();
  bool answered = false;
  test.platform.ExpectModal([&](QWidget&) {
    testing::AnswerQuestion(closeUp, question, letter);
    testing::DumpCloseUp(closeUp);
    answered = true;
  });
  closeUp.CharacterTalks(kPicture, kDialogueFile);
  if (!answered) fuzz::Broken("the close-up window did not open");
  test.platform.ClearErrors();
  return 0;
}
