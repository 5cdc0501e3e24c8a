// Every picture at one scale, and the files that hold them.
#include <QFile>
#include <QTranslator>
#include <memory>
#include <stdexcept>

#include "assets/PictureWords.h"
#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

QString SuffixAt(int scale) {
  return scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
}

// A picture that holds words: its file's name and JPEG quality.
struct TWordPicture {
  const char* Name;
  QImage TWordPictures::*Image;
  int Quality;

  QString Path(const QDir& folder, int scale) const {
    return folder.filePath(QLatin1String(Name) + SuffixAt(scale) + QStringLiteral(".jpg"));
  }
};
constexpr TWordPicture kWordPictures[] = {{"track", &TWordPictures::Track, 93},
                                          {"panel", &TWordPictures::Panel, 94},
                                          {"splash", &TWordPictures::Splash, 94}};

}  // namespace

QString French(const char* source) {
  return QString::fromUtf8(source);
}

TWords WordsFrom(const QString& qmFile) {
  auto translator = std::make_shared<QTranslator>();
  if (!translator->load(qmFile)) {
    throw std::runtime_error("cannot read the translation " + qmFile.toStdString());
  }
  return [translator, qmFile](const char* source) {
    const QString text = translator->translate(PictureWords::Context, source);
    if (text.isEmpty()) {
      throw std::runtime_error(qmFile.toStdString() + " does not translate \u00ab" +
                               std::string(source) + "\u00bb");
    }
    return text;
  };
}

TWordPictures DrawWordPictures(int scale, const TWords& words) {
  return {Track(scale, words), Panel(scale, words), Splash(scale, words)};
}

void WriteWordPictures(const QDir& folder, const TWordPictures& pictures, int scale) {
  for (const TWordPicture& picture : kWordPictures) {
    WriteFile(picture.Path(folder, scale), Jpeg(pictures.*picture.Image, picture.Quality));
  }
}

void WriteTranslatedPictures(const QDir& assets, const QDir& folder, const TWordPictures& french,
                             const TWordPictures& translated, int scale) {
  for (const TWordPicture& picture : kWordPictures) {
    QFile base(picture.Path(assets, scale));
    if (!base.open(QIODevice::ReadOnly)) {
      throw std::runtime_error("cannot read " + base.fileName().toStdString());
    }
    WriteFile(picture.Path(folder, scale),
              JpegWithBlocksOf(base.readAll(), french.*picture.Image, translated.*picture.Image,
                               picture.Quality));
  }
}

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
  pictures.Words = DrawWordPictures(scale, French);
  return pictures;
}

void WritePictures(const QDir& assets, const TPictures& pictures, int scale) {
  const QString at = SuffixAt(scale);
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
  WriteWordPictures(assets, pictures.Words, scale);
  WritePng(Icon(32, scale), path("icon32", ".png"));
  WritePng(Icon(256, scale), path("icon256", ".png"));
}

}  // namespace Art
