// The sound service: a WAV file passes the check or not, and one that passes is loaded,
// converted and queued by SDL (on its silent "dummy" device) in bounded memory.
#include <cstdlib>

#include "FuzzSupport.h"
#include "platform/SdlSound.h"
#include "platform/WavCheck.h"

using namespace quenna;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SdlSound* sound = new SdlSound;  // one device for the whole run, as in the game
  const std::string problem = WavProblem(std::span(data, size), size);
  const auto file = fuzz::ScratchFile("sound.wav", data, size);
  if (WavFileProblem(file) != problem) fuzz::Broken("the file and its bytes are judged apart");
  sound->Play(file, false);
  return 0;
}
