// Writes every embedded asset into the given assets folder and the review sheets into the docs
// folder: artwork <assets-dir> <docs-dir>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <exception>

#include "tools/artwork/Artwork.h"

namespace {

QImage FromIndexed(const Art::TIndexed& picture) {
  QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
  for (int y = 0; y < picture.Height; ++y)
    for (int x = 0; x < picture.Width; ++x)
      image.setPixel(
          x, y, picture.Palette[picture.Pixels[size_t(y) * size_t(picture.Width) + size_t(x)]]);
  return image;
}

QImage Enlarged(const QImage& image, int factor) {
  return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio,
                      Qt::FastTransformation);
}

void SavePng(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: artwork <assets-dir> <docs-dir>\n");
    return 2;
  }
  const QDir assets(QString::fromLocal8Bit(argv[1]));
  const QDir docs(QString::fromLocal8Bit(argv[2]));
  try {
    QDir().mkpath(docs.path());
    const QImage sheet = Art::HorseSheet();
    const auto sheetPalette = Art::BuildPalette({&sheet}, Art::kKey);
    const Art::TIndexed horses = Art::Quantise(sheet, sheetPalette);
    Art::WriteFile(assets.filePath("chevaux.bmp"), Art::Bmp8(horses));

    const QImage portraits = Art::Portraits();
    Art::WriteFile(assets.filePath("joueurs.bmp"), Art::Bmp24(portraits));

    const std::vector<QImage> man = Art::ManFrames();
    std::vector<const QImage*> manRefs;
    for (const QImage& f : man) manRefs.push_back(&f);
    const auto manPalette = Art::BuildPalette(manRefs, qRgb(0, 0, 0));
    std::vector<Art::TIndexed> manFrames;
    for (const QImage& f : man) manFrames.push_back(Art::Quantise(f, manPalette));
    Art::WriteFile(assets.filePath("man.avi"), Art::AviRle8(manFrames, 40000));

    Art::WriteFile(assets.filePath("feu.wav"), Art::Wav8(Art::Feu(11127), 11127, 1));
    Art::WriteFile(assets.filePath("bravo.wav"), Art::Wav8(Art::Bravo(22050), 22050, 2));
    Art::WriteFile(assets.filePath("fin.wav"), Art::Wav8(Art::Fin(11025), 11025, 3));

    const QImage track = Art::Track();
    const QImage panel = Art::Panel();
    const QImage splash = Art::Splash();
    Art::WriteFile(assets.filePath("track.jpg"), Art::Jpeg(track, 93));
    Art::WriteFile(assets.filePath("panel.jpg"), Art::Jpeg(panel, 94));
    Art::WriteFile(assets.filePath("splash.jpg"), Art::Jpeg(splash, 94));
    const QImage icon32 = Art::Icon(32), icon256 = Art::Icon(256);
    SavePng(icon32, assets.filePath("icon32.png"));
    SavePng(icon256, assets.filePath("icon256.png"));
    // The desktop's icon theme wants each usual size drawn for itself, not scaled by the shell.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
      assets.mkpath(folder);
      SavePng(Art::Icon(size), assets.filePath(folder + "/tierce.png"));
    }

    // Review sheets.
    SavePng(Enlarged(FromIndexed(horses), 2), docs.filePath("horses.png"));
    QImage manSheet(10 * 84 + 4, 5 * 84 + 4, QImage::Format_RGB32);
    manSheet.fill(QColor(90, 90, 90));
    {
      QPainter p(&manSheet);
      for (int i = 0; i < 50; ++i)
        p.drawImage(4 + 84 * (i % 10), 4 + 84 * (i / 10),
                    Enlarged(FromIndexed(manFrames[size_t(i)]), 2));
    }
    SavePng(manSheet, docs.filePath("man.png"));
    QImage contact(1190, 1000, QImage::Format_RGB32);
    contact.fill(QColor(200, 200, 200));
    {
      QPainter p(&contact);
      p.drawImage(10, 10, track);
      p.drawImage(825, 10, panel);
      p.drawImage(825, 390, splash);
      p.drawImage(10, 625, Enlarged(portraits, 2));
      p.drawImage(320, 625, icon32);
      p.drawImage(370, 625, icon256);
      // A galloping row over the track, as the game draws it (colour-keyed).
      QImage onTrack = track.copy(0, 50, 800, 300);
      for (int h = 1; h <= 5; ++h) {
        for (int x = 0; x < 73; ++x)
          for (int y = 0; y < 60; ++y) {
            const int f = h + 1;
            const QRgb c = sheet.pixel(73 * (f - 1) + x, 60 * (h - 1) + y);
            if (c != sheet.pixel(73 * (f - 1) + 1, 60 * (h - 1) + 1))
              onTrack.setPixel(120 * h + x, 60 * (h - 1) + y, c);
          }
      }
      p.drawImage(640, 625,
                  onTrack.scaled(540, 203, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    SavePng(contact, docs.filePath("contact-sheet.png"));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artwork: %s\n", e.what());
    return 1;
  }
  return 0;
}
