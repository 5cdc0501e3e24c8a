#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <vector>

// An AVI animation with one 8-bit video stream, every frame decoded once into a 32-bit image.
struct TAviMovie {
  int Width = 0;
  int Height = 0;
  int64_t MicroSecPerFrame = 0;
  std::vector<QImage> Frames;
};

// Limits that keep a hostile file from asking for unbounded memory or time.
constexpr int AviMaxSide = 4096;
constexpr int AviMaxFrames = 10000;
constexpr int64_t AviMaxTotalPixels = int64_t(1) << 25;

// Reads an AVI held in memory: RLE8 or uncompressed 8-bit frames. Throws EToolkitError saying
// what is wrong with a malformed file.
TAviMovie ReadAvi(const QByteArray& data);
