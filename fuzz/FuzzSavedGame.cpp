// A saved game as Open reads it: any file is either refused with a message or gives a
// game whose every value is in range, and that game saves to the very bytes it came from.
#include <algorithm>

#include "FuzzSupport.h"
#include "platform/GameError.h"
#include "store/SavedGameFile.h"

using namespace quenna;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzz::ScratchFile("game.sav", data, size);
  SavedGame game;
  try {
    game = ReadSavedGame(file);
  } catch (const GameError&) {
    return 0;
  }
  if (size != kSavedGameBytes) fuzz::Broken("a file of another size was read as a saved game");
  if (!SavedGameProblem(game).empty()) fuzz::Broken("a saved game out of range was accepted");
  const SavedGameBytes bytes = EncodeSavedGame(game);
  if (!std::equal(bytes.begin(), bytes.end(), data)) {
    fuzz::Broken("a saved game does not save to the bytes it was read from");
  }
  return 0;
}
