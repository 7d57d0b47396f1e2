// The virtue words (content/virtues.text): refused with "file:line" mistakes, or made
// into "data\virtues.dat" and written into the real help page.
#include "FuzzSupport.h"
#include "Source.h"
#include "Virtues.h"

using namespace quenna;
using namespace quenna::datakit;

namespace {

const std::string& HelpPage() {
  static const std::string help = ReadTextFile(QUENNA2_CONTENT_DIR "/help/ORNH.html");
  return help;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const VirtueWords words = ParseVirtueWords(std::string(fuzz::Text(data, size)), "virtues.text");
    VirtueWordsText(words);
    HelpWithVirtueWords(HelpPage(), words, "help/ORNH.html");
  } catch (const ContentError& error) {
    if (std::string(error.what()).rfind("virtues.text:", 0) != 0) {
      fuzz::Broken(std::string("a mistake without its file: ") + error.what());
    }
  }
  return 0;
}
