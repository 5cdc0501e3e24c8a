// The pictures drawn at twice their size against the 1× ones the game embeds: each is the same
// drawing at twice the size, not a blown-up copy.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cstdlib>
#include <vector>

#include "toolkit/Avi.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"

namespace {

enum class TFormat { Jpeg, Png, Bmp, Avi };

// The game's own 2× pictures by their resource name; the 2× icons, which the game does not
// embed, from this test's resources.
QByteArray ReadTwiceSize(const QString& name) {
  if (Resources::Exists(name)) return Resources::Load(name);
  QFile file(QStringLiteral(":/twice/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every frame of the picture, as 32-bit images.
std::vector<QImage> Decode(const QByteArray& bytes, TFormat format) {
  switch (format) {
    case TFormat::Jpeg:
      return {DecodeJpeg(bytes).Image().convertToFormat(QImage::Format_ARGB32)};
    case TFormat::Avi:
      return ReadAvi(bytes).Frames;
    case TFormat::Png:
    case TFormat::Bmp:
      break;
  }
  QImage image;
  image.loadFromData(bytes, format == TFormat::Png ? "PNG" : "BMP");
  return {image.convertToFormat(QImage::Format_ARGB32)};
}

int Channel(QRgb c, int k) {
  return (c >> (8 * k)) & 0xFF;
}

// The 2×2 block at logical (x, y) of a 2× picture, averaged.
QRgb BlockMean(const QImage& two, int x, int y) {
  QRgb mean = 0;
  for (int k = 0; k < 4; ++k) {
    const int sum = Channel(two.pixel(2 * x, 2 * y), k) + Channel(two.pixel(2 * x + 1, 2 * y), k) +
                    Channel(two.pixel(2 * x, 2 * y + 1), k) +
                    Channel(two.pixel(2 * x + 1, 2 * y + 1), k);
    mean |= QRgb((sum + 2) / 4) << (8 * k);
  }
  return mean;
}

int LargestChannelGap(QRgb a, QRgb b) {
  int gap = 0;
  for (int k = 0; k < 4; ++k) gap = std::max(gap, std::abs(Channel(a, k) - Channel(b, k)));
  return gap;
}

}  // namespace

// Halved back to 1× the 2× picture must look like the 1× one (the same drawing), yet halving and
// doubling it must change it: a blown-up copy would come back as it was, give or take the JPEG
// noise, which the 32-level threshold ignores.
TEST(Assets2x, EachPictureIsItsTwinDrawnAtTwiceTheSize) {
  struct {
    const char* OneName;
    TFormat OneFormat;
    const char* TwoFile;
    TFormat TwoFormat;
  } const cases[] = {
      {"Track", TFormat::Jpeg, "2x/Track", TFormat::Jpeg},
      {"Panel", TFormat::Jpeg, "2x/Panel", TFormat::Jpeg},
      {"Splash", TFormat::Jpeg, "2x/Splash", TFormat::Jpeg},
      {"Chevaux", TFormat::Bmp, "2x/Chevaux", TFormat::Png},
      {"Joueurs", TFormat::Bmp, "2x/Joueurs", TFormat::Png},
      {"Man", TFormat::Avi, "2x/Man", TFormat::Avi},
      {"Icon", TFormat::Png, "icon32@2x.png", TFormat::Png},
      {"Icon256", TFormat::Png, "icon256@2x.png", TFormat::Png},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.TwoFile);
    const std::vector<QImage> ones = Decode(Resources::Load(c.OneName), c.OneFormat);
    const std::vector<QImage> twos = Decode(ReadTwiceSize(c.TwoFile), c.TwoFormat);
    ASSERT_EQ(twos.size(), ones.size());
    double gapSum = 0;
    int64_t pixels = 0, changedByHalving = 0;
    for (size_t i = 0; i < ones.size(); ++i) {
      const QImage& one = ones[i];
      const QImage& two = twos[i];
      ASSERT_EQ(two.size(), one.size() * 2);
      for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
          const QRgb mean = BlockMean(two, x, y);
          for (int k = 0; k < 4; ++k)
            gapSum += std::abs(Channel(mean, k) - Channel(one.pixel(x, y), k));
          for (int d = 0; d < 4; ++d)
            changedByHalving +=
                LargestChannelGap(two.pixel(2 * x + d % 2, 2 * y + d / 2), mean) > 32;
          ++pixels;
        }
      }
    }
    const double meanGap = gapSum / (4.0 * double(pixels));
    const double changed = double(changedByHalving) / (4.0 * double(pixels));
    EXPECT_LT(meanGap, 6.0) << "the same drawing as at 1×";
    EXPECT_GT(changed, 0.005) << "drawn at 2×, not blown up";
  }
}

// Cell (h, f) of the 2× sheet is cell (h, f) of the 1× one at twice the size: keyed on the same
// colour, exactly, read at the cell's (1, 1) or its logical (1, 1), with the same figure in it.
TEST(Assets2x, HorseCellsAndTheAnimationKeepTheirKeys) {
  QImage one;
  one.loadFromData(Resources::Load("Chevaux"), "BMP");
  QImage two;
  two.loadFromData(ReadTwiceSize("2x/Chevaux"), "PNG");
  ASSERT_EQ(two.format(), QImage::Format_Indexed8);
  ASSERT_EQ(two.size(), QSize(1172, 1080));
  const QRgb key = qRgb(8, 72, 8);
  int keyEntries = 0;
  for (QRgb c : two.colorTable()) keyEntries += (c | 0xFF000000u) == key;
  EXPECT_EQ(keyEntries, 1) << "only the field may use the key colour";
  const auto field = [&](const QImage& sheet, int x, int y) {
    return (sheet.pixel(x, y) | 0xFF000000u) == key;
  };
  int disagreements = 0, figure = 0;
  for (int h = 1; h <= 9; ++h) {
    for (int f = 1; f <= 8; ++f) {
      SCOPED_TRACE(testing::Message() << "horse " << h << " frame " << f);
      const int x1 = 73 * (f - 1), y1 = 60 * (h - 1), x2 = 2 * x1, y2 = 2 * y1;
      EXPECT_TRUE(field(two, x2 + 1, y2 + 1));
      EXPECT_TRUE(field(two, x2 + 2, y2 + 2));
      for (int i = 0; i < 146; ++i)
        EXPECT_TRUE(field(two, x2 + i, y2) && field(two, x2 + i, y2 + 1));
      for (int j = 0; j < 120; ++j)
        EXPECT_TRUE(field(two, x2, y2 + j) && field(two, x2 + 1, y2 + j) &&
                    field(two, x2 + 144, y2 + j) && field(two, x2 + 145, y2 + j));
      for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 73; ++x) {
          int covered = 0;
          for (int d = 0; d < 4; ++d)
            covered += !field(two, x2 + 2 * x + d % 2, y2 + 2 * y + d / 2);
          figure += !field(one, x1 + x, y1 + y);
          disagreements += (covered >= 2) != !field(one, x1 + x, y1 + y);
        }
      }
    }
  }
  EXPECT_LT(disagreements, figure / 20) << "the same figures in the same cells";
  for (int y = 0; y < 1080; ++y)
    for (int x = 1168; x < 1172; ++x) EXPECT_TRUE(field(two, x, y)) << x << "," << y;

  // The animation keeps its pace, and its key, read at its first pixel, stays black.
  const TAviMovie man = ReadAvi(Resources::Load("Man"));
  const TAviMovie man2 = ReadAvi(ReadTwiceSize("2x/Man"));
  EXPECT_EQ(man2.MicroSecPerFrame, man.MicroSecPerFrame);
  for (const QImage& frame : man2.Frames) EXPECT_EQ(frame.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0));
}
