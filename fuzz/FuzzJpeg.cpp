// Any bytes given as a picture resource: a bitmap, or the toolkit's error; never an exit.
#include <cstddef>
#include <cstdint>

#include "toolkit/EToolkitError.h"
#include "toolkit/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TBitmap bitmap =
        DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (bitmap.Empty()) __builtin_trap();
  } catch (const EToolkitError&) {
  }
  return 0;
}
