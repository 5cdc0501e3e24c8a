#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

// An AVI animation with one 8-bit video stream, every frame decoded once into a 32-bit image.
struct TAviMovie {
  int Width = 0;
  int Height = 0;
  int64_t MicroSecPerFrame = 0;
  std::vector<QImage> Frames;
};

// Limits that keep a hostile file from asking for unbounded memory or time.
constexpr int kAviMaxSide = 4096;
constexpr int kAviMaxFrames = 10000;
constexpr int64_t kAviMaxTotalPixels = int64_t(1) << 25;

// Reads an AVI held in memory: RLE8 or uncompressed 8-bit frames. Throws EToolkitError saying
// what is wrong with a malformed file.
TAviMovie ReadAvi(const QByteArray& data);

// Applies one RLE8-coded frame to `indices` (width * height palette indices, bottom row first).
// Pixels the frame skips keep their value, as frame-to-frame deltas rely on. Throws EToolkitError
// on data that is truncated, overflows the image or names a colour beyond `paletteSize`.
void DecodeRle8(std::span<const uint8_t> data, int width, int height, int paletteSize,
                std::vector<uint8_t>& indices);
