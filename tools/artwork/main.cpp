// Draws and synthesises the game's assets.
//   artwork <assets-dir> <docs-dir> [<language>=<qm-file>...]
//     every embedded asset, in French, into the assets folder, and the review sheets into the docs
//     folder, with every language given on the sheet of the pictures that hold words;
//   artwork --words <qm-file> <assets-dir> <folder>
//     the pictures that hold words, with the words of that compiled translation, at 1× and 2×,
//     over the French ones of the assets folder.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "tools/artwork/Artwork.h"

namespace {

// Every picture twice: at its size, and at twice it for screens of scale 2 and between.
constexpr int kScales[] = {1, 2};

void WriteAssets(const QDir& assets, const QDir& docs, const QStringList& languages) {
  QDir().mkpath(docs.path());
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
  std::vector<Art::TLanguagePictures> sheet = {{QStringLiteral("fr"), one.Words}};
  for (const QString& language : languages) {
    const QString code = language.section(u'=', 0, 0);
    const Art::TWords words = Art::WordsFrom(language.section(u'=', 1));
    sheet.push_back({code, Art::DrawWordPictures(1, words)});
  }
  Art::WriteLanguageSheet(docs, sheet);
}

void WriteWordPictures(const QString& qmFile, const QDir& assets, const QDir& folder) {
  QDir().mkpath(folder.path());
  const Art::TWords words = Art::WordsFrom(qmFile);
  for (int scale : kScales) {
    Art::WriteTranslatedPictures(assets, folder, Art::DrawWordPictures(scale, Art::French),
                                 Art::DrawWordPictures(scale, words), scale);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  const bool words = !arguments.isEmpty() && arguments.first() == QLatin1String("--words");
  if (words ? arguments.size() != 4 : arguments.size() < 2) {
    std::fprintf(stderr,
                 "usage: artwork <assets-dir> <docs-dir> [<language>=<qm-file>...]\n"
                 "       artwork --words <qm-file> <assets-dir> <folder>\n");
    return 2;
  }
  try {
    if (words) {
      WriteWordPictures(arguments[1], QDir(arguments[2]), QDir(arguments[3]));
    } else {
      WriteAssets(QDir(arguments[0]), QDir(arguments[1]), arguments.mid(2));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artwork: %s\n", e.what());
    return 1;
  }
  return 0;
}
