#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Applies one RLE8-coded frame to `indices` (width * height palette indices, bottom row first).
// Pixels the frame skips keep their value, as frame-to-frame deltas rely on. Throws EToolkitError
// on data that is truncated, overflows the image or names a colour beyond `paletteSize`.
void DecodeRle8(std::span<const uint8_t> data, int width, int height, int paletteSize,
                std::vector<uint8_t>& indices);
