// Any bytes given as the animation resource: read, or refused with the toolkit's error.
#include <cstddef>
#include <cstdint>

#include "toolkit/Avi.h"
#include "toolkit/EToolkitError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TAviMovie movie =
        ReadAvi(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    // A movie that was accepted must hold what it announces.
    if (movie.Frames.empty() || movie.Width < 1 || movie.Height < 1) __builtin_trap();
    for (const QImage& frame : movie.Frames) {
      if (frame.width() != movie.Width || frame.height() != movie.Height) __builtin_trap();
    }
  } catch (const EToolkitError&) {
  }
  return 0;
}
