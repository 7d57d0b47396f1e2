// A spoken sound's source (content/sounds/<name>.speech): refused with a "file:line"
// mistake, or read into the words and settings the speech program is given.
#include "FuzzSupport.h"
#include "Speech.h"

using namespace quenna;
using namespace quenna::datakit;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const SpeechSource speech =
        ParseSpeechSource(std::string(fuzz::Text(data, size)), "sounds/fuzz.speech");
    if (speech.speed < 80 || speech.speed > 450 || speech.pitch < 0 || speech.pitch > 99 ||
        speech.gap < 0 || speech.gap > 100) {
      fuzz::Broken("a speech setting out of range was accepted");
    }
  } catch (const ContentError& error) {
    if (std::string(error.what()).rfind("sounds/fuzz.speech:", 0) != 0) {
      fuzz::Broken(std::string("a mistake without its file: ") + error.what());
    }
  }
  return 0;
}
