#pragma once

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// The generator's building blocks: a seeded generator, file writers, colour reduction and the
// painters of each asset. Everything is deterministic: same build, same bytes.
namespace Art {

// A small 64-bit generator (splitmix64), so results never depend on the standard library.
class TRng {
 public:
  explicit TRng(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  // Uniform in [-1, 1).
  double Noise() { return 2.0 * Uniform() - 1.0; }

 private:
  uint64_t state_;
};

// An 8-bit picture: one palette index per pixel and up to 256 colours.
struct TIndexed {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Pixels;  // top-down rows
  std::vector<QRgb> Palette;    // exactly 256 entries
};

// A 256-colour palette for the given pictures by median cut. Entry 0 is `reserved`, a colour that
// only the pixels of exactly that colour will get: no other entry equals it.
std::vector<QRgb> BuildPalette(const std::vector<const QImage*>& images, QRgb reserved);
// Maps each pixel to the nearest entry; only pixels equal to entry 0 get index 0.
TIndexed Quantise(const QImage& image, const std::vector<QRgb>& palette);

QByteArray Bmp8(const TIndexed& picture);
QByteArray Bmp24(const QImage& image);
QByteArray Jpeg(const QImage& image, int quality);
// The JPEG file `base` (made by Jpeg at `quality` from a drawing like `baseDrawn`) with each 8×8
// block where `drawn` differs from `baseDrawn` taken from `drawn`, encoded the same way: all
// other blocks keep `base`'s coefficients, so they decode to `base`'s pixels exactly.
QByteArray JpegWithBlocksOf(const QByteArray& base, const QImage& baseDrawn, const QImage& drawn,
                            int quality);
QByteArray Wav8(const std::vector<double>& samples, int rate, uint64_t ditherSeed);
QByteArray AviRle8(const std::vector<TIndexed>& frames, int microSecPerFrame);
QByteArray Rle8(const TIndexed& frame);

void WriteFile(const QString& path, const QByteArray& data);
void WritePng(const QImage& image, const QString& path);

// Fonts from fonts-liberation, by family name, sized in pixels.
QFont Font(const QString& family, double pixelSize, int weight = QFont::Normal,
           bool italic = false);

// A blank picture of `logical` pixels, `scale` device pixels to each: painters draw on it in
// logical coordinates, so one drawing serves every scale.
QImage Blank(QSize logical, int scale, QImage::Format format);
// An 8-bit picture as a QImage with its colour table, for the PNG writer.
QImage ToImage(const TIndexed& picture);

// Painters of the individual pictures, each at `scale` times its size.
constexpr int kCellW = 73;
constexpr int kCellH = 60;
constexpr QRgb kKey = 0xFF084808;  // RGB (8, 72, 8), the horses' field and colour key

void DrawHorse(QPainter& p, int horse, int frame, bool withNumber = true);
void DrawPortrait(QPainter& p, int player);  // in a 73×60 box at the origin
void DrawHorseHeadBadge(QPainter& p, const QRectF& box);

// The words of one language: the translation of a text of assets/PictureWords.h.
using TWords = std::function<QString(const char* source)>;
QString French(const char* source);
// The words of the compiled translation file `qmFile`; throws when it cannot be read or lacks one.
TWords WordsFrom(const QString& qmFile);

QImage HorseSheet(int scale);                   // 586×540 RGB32 on the key colour
QImage Portraits(int scale);                    // 146×60
QImage Track(int scale, const TWords& words);   // 800×600
QImage Panel(int scale, const TWords& words);   // 353×360
QImage Splash(int scale, const TWords& words);  // 344×249
QImage Icon(int size, int scale);               // square, ARGB
std::vector<QImage> ManFrames(int scale);       // 50 frames of 40×40

// The pictures that hold words, in one language at one scale.
struct TWordPictures {
  QImage Track;
  QImage Panel;
  QImage Splash;
};
TWordPictures DrawWordPictures(int scale, const TWords& words);
// Writes them as the JPEG files the game reads, named with Qt's "@2x" suffix above scale 1.
void WriteWordPictures(const QDir& folder, const TWordPictures& pictures, int scale);
// Writes a language's pictures into `folder` over the French files of `assets`, drawn here as
// `french`: outside its words each is the French file's picture exactly, even where this Qt draws
// other pixels than the one that drew the French files.
void WriteTranslatedPictures(const QDir& assets, const QDir& folder, const TWordPictures& french,
                             const TWordPictures& translated, int scale);

// Every picture at one scale, in French, the sprites already reduced to their palettes.
struct TPictures {
  QImage Sheet;  // the horses before the colour reduction
  TIndexed Horses;
  QImage Portraits;
  std::vector<TIndexed> Man;
  TWordPictures Words;
};
TPictures DrawPictures(int scale);
// Writes them beside the 1× ones, named with Qt's "@2x" suffix above scale 1.
void WritePictures(const QDir& assets, const TPictures& pictures, int scale);
// The sheets in the docs folder for looking at the artwork, and at 2× beside 1×.
void WriteReviewSheets(const QDir& docs, const TPictures& one, const TPictures& two);
// One sheet of every language's pictures with words, French first, to compare them.
struct TLanguagePictures {
  QString Language;
  TWordPictures Pictures;
};
void WriteLanguageSheet(const QDir& docs, const std::vector<TLanguagePictures>& languages);

std::vector<double> Feu(int rate);
std::vector<double> Bravo(int rate);
std::vector<double> Fin(int rate);

}  // namespace Art
