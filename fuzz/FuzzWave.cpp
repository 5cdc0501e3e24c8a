// Any bytes given as a wave resource, through the sound player's own decoding and conversion.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "toolkit/Sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> samples =
      DecodeWave(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
  // Whole 16-bit mono samples, as the device reads them.
  if (samples.size() % 2 != 0) std::abort();
  return 0;
}
