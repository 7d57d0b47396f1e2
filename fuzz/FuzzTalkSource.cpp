// A conversation's source (content/people/<name>.talk): refused with "file:line" mistakes,
// or made into the 77 lines of its dialogue file, each measured against the close-up
// window.
#include "Check.h"
#include "FuzzSupport.h"
#include "Talk.h"

using namespace quenna;
using namespace quenna::datakit;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const TalkSource talk =
        ParseTalkSource(std::string(fuzz::Text(data, size)), "people/orn1716.talk");
    DialogueFileText(talk);
    for (int n = 0; n < kDialogueLines; ++n) {
      DialogueFitProblem(n, talk.lines[static_cast<std::size_t>(n)]);
    }
  } catch (const ContentError& error) {
    if (std::string(error.what()).rfind("people/orn1716.talk:", 0) != 0) {
      fuzz::Broken(std::string("a mistake without its file: ") + error.what());
    }
  }
  return 0;
}
