// Writes every embedded asset into the given assets folder and the review sheets into the docs
// folder: artwork <assets-dir> <docs-dir>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "tools/artwork/Artwork.h"

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
    // Every picture twice: at its size, and at twice it for screens of scale 2 and between.
    const Art::TPictures one = Art::DrawPictures(1);
    const Art::TPictures two = Art::DrawPictures(2);
    Art::WritePictures(assets, one, 1);
    Art::WritePictures(assets, two, 2);

    Art::WriteFile(assets.filePath("feu.wav"), Art::Wav8(Art::Feu(11127), 11127, 1));
    Art::WriteFile(assets.filePath("bravo.wav"), Art::Wav8(Art::Bravo(22050), 22050, 2));
    Art::WriteFile(assets.filePath("fin.wav"), Art::Wav8(Art::Fin(11025), 11025, 3));

    // The desktop's icon theme wants each usual size drawn for itself, not scaled by the shell.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
      assets.mkpath(folder);
      Art::WritePng(Art::Icon(size, 1), assets.filePath(folder + "/tierce.png"));
    }

    Art::WriteReviewSheets(docs, one, two);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artwork: %s\n", e.what());
    return 1;
  }
  return 0;
}
