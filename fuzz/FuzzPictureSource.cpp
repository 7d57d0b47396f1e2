// Any other picture's source (content/pictures, content/closeups), as the data kit builds
// it, close-ups drawing on the real year pages: refused with a "file:line: message", or
// painted.
#include "Build.h"
#include "FuzzSupport.h"
#include "PageView.h"
#include "Render.h"
#include "Source.h"

using namespace quenna;
using namespace quenna::datakit;

namespace {

const std::vector<PageSource>& Pages() {
  static const std::vector<PageSource> pages = ReadAllPages(QUENNA2_CONTENT_DIR);
  return pages;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, false);
  Pages();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    PictureSource picture = ParsePictureSource(std::string(fuzz::Text(data, size)), "fuzz.picture");
    if (NeedsPages(picture)) ResolvePageViews(picture, Pages());
    RenderScene(picture.scene);
  } catch (const ContentError& error) {
    if (std::string(error.what()).rfind("fuzz.picture:", 0) != 0) {
      fuzz::Broken(std::string("a mistake without its file: ") + error.what());
    }
  }
  return 0;
}
