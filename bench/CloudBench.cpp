// What one cloud costs: measuring a one-line hint, building its region from a rectangle and a
// few dozen circles, and placing the window, beside the plain rectangle region a square hint
// window would need.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRegion>
#include <QWidget>

#include "cldhint/CldHint.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Random.h"

namespace {

TCloudHintWindow* Window = nullptr;

void OneLineCloud(benchmark::State& state) {
  RandSeed = 12345;
  for (auto _ : state) {
    Window->ActivateHint({}, QStringLiteral("Choisissez le premier cheval"));
    benchmark::DoNotOptimize(Window->mask());
  }
}
BENCHMARK(OneLineCloud);

void PlainRectangleRegion(benchmark::State& state) {
  int size = 0;
  for (auto _ : state) {
    QRegion region(QRect(0, 0, 180 + (size++ & 7), 20));
    benchmark::DoNotOptimize(region);
  }
}
BENCHMARK(PlainRectangleRegion);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns at every window mask; keep the table readable.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication qt(argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  QWidget mainForm;
  SetFormFont(mainForm, QStringLiteral("MS Sans Serif"), 11);
  application.SetMainForm(&mainForm);
  new TCloudHint(&mainForm);  // owned by the main form
  TCloudHintWindow window;
  Window = &window;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  application.SetMainForm(nullptr);
  return 0;
}
