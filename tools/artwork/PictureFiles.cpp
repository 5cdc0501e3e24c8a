// Every picture at one scale, and the files that hold them.
#include "tools/artwork/Artwork.h"

namespace Art {

TPictures DrawPictures(int scale) {
  TPictures pictures;
  pictures.Sheet = HorseSheet(scale);
  pictures.Horses = Quantise(pictures.Sheet, BuildPalette({&pictures.Sheet}, kKey));
  pictures.Portraits = Portraits(scale);
  const std::vector<QImage> man = ManFrames(scale);
  std::vector<const QImage*> manRefs;
  for (const QImage& f : man) manRefs.push_back(&f);
  const auto manPalette = BuildPalette(manRefs, qRgb(0, 0, 0));
  for (const QImage& f : man) pictures.Man.push_back(Quantise(f, manPalette));
  pictures.Track = Track(scale);
  pictures.Panel = Panel(scale);
  pictures.Splash = Splash(scale);
  return pictures;
}

void WritePictures(const QDir& assets, const TPictures& pictures, int scale) {
  const QString at = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  const auto path = [&](const char* name, const char* suffix) {
    return assets.filePath(QLatin1String(name) + at + QLatin1String(suffix));
  };
  if (scale == 1) {
    // The formats the game has always read.
    WriteFile(path("chevaux", ".bmp"), Bmp8(pictures.Horses));
    WriteFile(path("joueurs", ".bmp"), Bmp24(pictures.Portraits));
  } else {
    // Lossless like the BMPs, and far smaller at four times the pixels.
    WritePng(ToImage(pictures.Horses), path("chevaux", ".png"));
    WritePng(pictures.Portraits, path("joueurs", ".png"));
  }
  WriteFile(path("man", ".avi"), AviRle8(pictures.Man, 40000));
  WriteFile(path("track", ".jpg"), Jpeg(pictures.Track, 93));
  WriteFile(path("panel", ".jpg"), Jpeg(pictures.Panel, 94));
  WriteFile(path("splash", ".jpg"), Jpeg(pictures.Splash, 94));
  WritePng(Icon(32, scale), path("icon32", ".png"));
  WritePng(Icon(256, scale), path("icon256", ".png"));
}

}  // namespace Art
