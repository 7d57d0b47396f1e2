// A year page's source (content/pages/<year>.page), as the data kit builds it: any text is
// either refused with a "file:line: message" or gives a picture, a click grid, look
// messages and a narration.
#include "Build.h"
#include "FuzzSupport.h"
#include "Render.h"
#include "Source.h"

using namespace quenna;
using namespace quenna::datakit;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const PageSource page = ParsePageSource(std::string(fuzz::Text(data, size)), "fuzz.page");
    const RenderedScene rendered = RenderScene(page.scene);
    GridRecord(GridValues(rendered));
    MessageText(page);
    NarrationText(page);
  } catch (const ContentError& error) {
    if (std::string(error.what()).rfind("fuzz.page:", 0) != 0) {
      fuzz::Broken(std::string("a mistake without its file: ") + error.what());
    }
  }
  return 0;
}
