// The game's text files (look messages, narrations, dialogues): any bytes decode, within
// the reader's limit, to a text without a 0 character, and text that can be stored reads
// back as it was written.
#include <span>

#include "FuzzSupport.h"
#include "scene/ShiftedText.h"

using namespace quenna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzz::ScratchFile("grid01.dat", data, size);
  const std::string text = ReadShiftedText(file, kMessageFileLimit);
  if (text.size() > kMessageFileLimit) fuzz::Broken("more text than the limit was read");
  if (text.find('\0') != std::string::npos) fuzz::Broken("a decoded text holds a 0 character");
  if (text != DecodeShiftedText(std::span(data, std::min(size, kMessageFileLimit)))) {
    fuzz::Broken("the file and the bytes in memory decode differently");
  }
  const std::vector<std::string> lines = SplitLines(text);
  for (const std::string& line : lines) {
    if (line.find_first_of("\r\n") != std::string::npos) fuzz::Broken("a line holds a line end");
  }
  LineAt(lines, -1);
  LineAt(lines, static_cast<int>(lines.size()));
  // The text as input, stored and read back.
  const std::string_view written = fuzz::Text(data, size);
  if (EncodableAsShiftedText(written)) {
    if (DecodeShiftedText(EncodeShiftedText(written)) != written) {
      fuzz::Broken("a stored text does not read back as written");
    }
  }
  return 0;
}
