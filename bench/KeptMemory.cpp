// What the game keeps by its own rules, each picture and sound with its size in bytes, as the
// game itself makes them at the screen's ratio (QT_SCALE_FACTOR=2 gives the 2x pictures). Prints
// one "<bytes> <when> <what>" line each, <when> "idle" for what the game keeps from its start,
// "race" for what it keeps from its first race (the scene drawn apart from the track, the sounds
// decoded at their first play); scripts/bench adds them to the floor's memory.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/USplash.h"
#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/Avi.h"
#include "toolkit/Density.h"
#include "toolkit/Image.h"
#include "toolkit/Resources.h"
#include "toolkit/Sound.h"
#include "toolkit/StringGrid.h"

namespace {

void Print(qsizetype bytes, const char* what, const char* when = "idle") {
  std::printf("%lld %s %s\n", static_cast<long long>(bytes), when, what);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  const auto splash = std::make_unique<TSplash>();
  const auto main = std::make_unique<TMain>();
  main->show();
  QApplication::processEvents();
  Print(main->BackgroundBitmap.Image().sizeInBytes(), "track (the background, one picture)");
  Print(main->SceneBitmap.Image().sizeInBytes(), "scene", "race");
  Print(main->Surface().sizeInBytes(), "window surface");
  Print(main->SpriteSheet.Image().sizeInBytes(), "sprite sheet");
  qsizetype frames = 0;
  for (const auto& horse : main->HorseFrames) {
    for (const TBitmap& frame : horse) frames += frame.Image().sizeInBytes();
  }
  Print(frames, "72 horse frames");
  Print(main->PortraitSheet.Image().sizeInBytes(), "portraits");
  Print(main->Image1->Picture.Image().sizeInBytes(), "betting panel");
  Print(splash->Image1->Picture.Image().sizeInBytes(), "splash");
  qsizetype animation = 0;
  for (const QImage& frame : ReadAvi(Resources::Load(DenseResource("Man").Name)).Frames) {
    animation += frame.sizeInBytes();
  }
  Print(animation, "animation (50 frames)");
  Print(main->StringGrid1->Surface().sizeInBytes(), "bet grid surface");
  // Decoded from PNG with their transparency: four bytes a pixel.
  qsizetype icon = 0;
  for (const QSize& size : main->windowIcon().availableSizes())
    icon += 4LL * size.width() * size.height();
  Print(icon, "window icon (five sizes)");
  for (const char* wave : {"Feu", "Bravo", "FIN"}) {
    const QByteArray what = QByteArray("sound ") + wave;
    Print(qsizetype(DecodeWave(Resources::Load(wave)).size()), what.constData(), "race");
  }
  return 0;
}
