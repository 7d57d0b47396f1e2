// The picture loader: any bytes either give a picture within the size limits or raise the
// loader's error, in bounded time and memory.
#include "FuzzSupport.h"
#include "media/PictureLoader.h"
#include "platform/GameError.h"

using namespace quenna;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::StartQt(argc, argv, false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const QImage picture = DecodeJpeg(data, size);
    if (picture.isNull()) fuzz::Broken("an empty picture was returned");
    if (static_cast<unsigned>(picture.width()) > kPictureSideLimit ||
        static_cast<unsigned>(picture.height()) > kPictureSideLimit ||
        static_cast<std::size_t>(picture.sizeInBytes()) >
            kPictureBytesLimit + 4 * kPictureSideLimit) {
      fuzz::Broken("a picture above the limits was decoded");
    }
  } catch (const GameError&) {
  }
  return 0;
}
