// What loading the artwork costs, each beside a floor: finding and reading a resource beside a
// copy of its bytes, our JPEG decode of the track beside Qt's own, and reading the gentleman's
// animation beside a copy of the pixels it decodes to.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <cstring>
#include <vector>

#include "toolkit/Avi.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"

namespace {

void ResourceLoad(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Resources::Load(QStringLiteral("Track")));
}
BENCHMARK(ResourceLoad);

void MemcpyOfTheTrackFile(benchmark::State& state) {
  const QByteArray data = Resources::Load(QStringLiteral("Track"));
  std::vector<char> into(size_t(data.size()));
  for (auto _ : state) {
    std::memcpy(into.data(), data.constData(), into.size());
    benchmark::DoNotOptimize(into.data());
  }
}
BENCHMARK(MemcpyOfTheTrackFile);

void DecodeTrackJpeg(benchmark::State& state) {
  const QByteArray data = Resources::Load(QStringLiteral("Track"));
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(data));
}
BENCHMARK(DecodeTrackJpeg)->Unit(benchmark::kMicrosecond);

void QtDecodeTrackJpeg(benchmark::State& state) {
  const QByteArray data = Resources::Load(QStringLiteral("Track"));
  for (auto _ : state) benchmark::DoNotOptimize(QImage::fromData(data, "JPG"));
}
BENCHMARK(QtDecodeTrackJpeg)->Unit(benchmark::kMicrosecond);

void ReadManAvi(benchmark::State& state) {
  const QByteArray data = Resources::Load(QStringLiteral("Man"));
  for (auto _ : state) benchmark::DoNotOptimize(ReadAvi(data));
}
BENCHMARK(ReadManAvi)->Unit(benchmark::kMicrosecond);

void MemcpyOfTheManFrames(benchmark::State& state) {
  const TAviMovie movie = ReadAvi(Resources::Load(QStringLiteral("Man")));
  size_t bytes = 0;
  for (const QImage& frame : movie.Frames) bytes += size_t(frame.sizeInBytes());
  std::vector<char> from(bytes), into(bytes);
  for (auto _ : state) {
    std::memcpy(into.data(), from.data(), bytes);
    benchmark::DoNotOptimize(into.data());
  }
}
BENCHMARK(MemcpyOfTheManFrames)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
