// The RLE8 decoder on its own, with the frame size and palette taken from the input, so that
// every delta and run reaches the bounds checks (the AVI reader rejects most inputs earlier).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/EToolkitError.h"
#include "toolkit/Rle8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const int width = 1 + data[0] % 64;
  const int height = 1 + data[1] % 64;
  const int paletteSize = data[2];
  // Now and then a buffer of the wrong size, which must be refused, not written past.
  const size_t pixels = size_t(width) * size_t(height) - ((data[3] & 0x80) ? 1 : 0);
  std::vector<uint8_t> indices(pixels, 0);
  try {
    DecodeRle8(std::span<const uint8_t>(data + 4, size - 4), width, height, paletteSize, indices);
    if (indices.size() != pixels) __builtin_trap();
  } catch (const EToolkitError&) {
  }
  return 0;
}
