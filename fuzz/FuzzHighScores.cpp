// The "HighScores" file: whatever it holds, the table read from it keeps names of at most
// 15 characters without blanks, and writing the table and reading it back gives the same
// table.
#include "FuzzSupport.h"
#include "store/HighScoreTable.h"

using namespace quenna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzz::ScratchFile("HighScores", data, size);
  HighScoreTable table;
  if (!ReadHighScoresFile(file, table).read) fuzz::Broken("a file that exists could not be read");
  for (int slot = 0; slot < HighScoreTable::kSlots; ++slot) {
    const std::string& name = table.Name(slot);
    if (name.empty() || name.find_first_of(" \t\r\n\v\f") != std::string::npos) {
      fuzz::Broken("slot " + std::to_string(slot) + " has an empty name or one with a blank");
    }
    if (name != HighScoreTable::FitName(name)) {
      fuzz::Broken("slot " + std::to_string(slot) + " has a name the table would not keep");
    }
  }
  HighScoreTable again;
  again.Read(table.Text());
  if (!(again == table)) fuzz::Broken("the table written and read back is another table");
  return 0;
}
