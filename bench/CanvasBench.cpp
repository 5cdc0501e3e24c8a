// Drawing one 73x60 horse frame, keyed and plain, beside a memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "toolkit/Canvas.h"

namespace {

TBitmap Frame() {
  TBitmap frame(73, 60);
  frame.Image().fill(QColor(8, 72, 8));
  for (int y = 10; y < 50; ++y)
    for (int x = 10; x < 60; ++x) frame.Image().setPixel(x, y, qRgb(150, 90, 40));
  frame.Transparent = true;
  frame.TransparentColor = frame.Pixel(1, 1);
  return frame;
}

void KeyedDraw(benchmark::State& state) {
  const TBitmap frame = Frame();
  TBitmap scene(800, 600);
  TCanvas canvas(scene.Image());
  for (auto _ : state) {
    canvas.Draw(300, 110, frame);
    benchmark::DoNotOptimize(scene.Image().constBits());
  }
}
BENCHMARK(KeyedDraw);

void RectCopy(benchmark::State& state) {
  const TBitmap background(800, 600);
  TBitmap scene(800, 600);
  TCanvas canvas(scene.Image());
  const TRect rect{300, 110, 373, 170};
  for (auto _ : state) {
    canvas.CopyRect(rect, background, rect);
    benchmark::DoNotOptimize(scene.Image().constBits());
  }
}
BENCHMARK(RectCopy);

// The floor: the same 73x60 pixels moved row by row with memcpy.
void MemcpyOfAFrame(benchmark::State& state) {
  std::vector<uint32_t> from(800 * 600), into(800 * 600);
  for (auto _ : state) {
    for (int y = 110; y < 170; ++y) std::memcpy(&into[y * 800 + 300], &from[y * 800 + 300], 73 * 4);
    benchmark::DoNotOptimize(into.data());
  }
}
BENCHMARK(MemcpyOfAFrame);

}  // namespace

BENCHMARK_MAIN();
