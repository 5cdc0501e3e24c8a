// Checks the embedded assets against what the game relies on: sizes, depths, palettes, the
// sprites' colour key, the animation's layout and the sounds' formats.
#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>
#include <cstdint>
#include <set>

#include <QRegion>

#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/Translation.h"

namespace {

uint32_t U32(const QByteArray& d, qsizetype at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(d.constData() + at));
}
uint16_t U16(const QByteArray& d, qsizetype at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(d.constData() + at));
}
QByteArray Fourcc(const QByteArray& d, qsizetype at) {
  return d.mid(at, 4);
}

// Finds the first chunk called `id` in the RIFF list body [from, to), descending into LISTs.
qsizetype FindChunk(const QByteArray& d, qsizetype from, qsizetype to, const QByteArray& id) {
  while (from + 8 <= to) {
    const QByteArray name = Fourcc(d, from);
    const qsizetype size = U32(d, from + 4);
    if (name == id) return from;
    if (name == "LIST" || name == "RIFF") {
      if (Fourcc(d, from + 8) == id) return from;
      const qsizetype inner = FindChunk(d, from + 12, from + 8 + size, id);
      if (inner >= 0) return inner;
    }
    from += 8 + size + (size & 1);
  }
  return -1;
}

QImage LoadBmp(const char* name) {
  QImage image;
  image.loadFromData(Resources::Load(name), "BMP");
  return image;
}

}  // namespace

TEST(Assets, EveryResourceTheGameNamesIsEmbedded) {
  for (const char* name : {"Chevaux", "Joueurs", "Man", "Feu", "Bravo", "FIN", "Track", "Panel",
                           "Splash", "Icon", "Icon256"}) {
    SCOPED_TRACE(name);
    EXPECT_GT(Resources::Load(name).size(), 100);
  }
}

TEST(Assets, BitmapsHaveTheirSizesAndDepths) {
  struct {
    const char* Name;
    int Width, Height, Bits;
  } const cases[] = {{"Chevaux", 586, 540, 8}, {"Joueurs", 146, 60, 24}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QByteArray bytes = Resources::Load(c.Name);
    ASSERT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(U32(bytes, 14), 40u);
    EXPECT_EQ(int(U32(bytes, 18)), c.Width);
    EXPECT_EQ(int(U32(bytes, 22)), c.Height);  // positive: bottom-up rows
    EXPECT_EQ(U16(bytes, 28), c.Bits);
    EXPECT_EQ(U32(bytes, 30), 0u);  // uncompressed
    const QImage image = LoadBmp(c.Name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(c.Width, c.Height));
  }
  const QByteArray sheet = Resources::Load("Chevaux");
  EXPECT_EQ(U32(sheet, 46), 256u);
  EXPECT_EQ(LoadBmp("Chevaux").colorCount(), 256);
}

// Every cell's field is the key colour, read at its own (1, 1), and no pixel of a figure has that
// colour: otherwise holes would show through the horse on the track.
TEST(Assets, SpriteCellsAreKeyedOnTheirOwnFieldColour) {
  const QImage sheet = LoadBmp("Chevaux");
  ASSERT_EQ(sheet.format(), QImage::Format_Indexed8);
  const QRgb key = qRgb(8, 72, 8);
  int keyEntries = 0;
  for (QRgb c : sheet.colorTable()) keyEntries += (c | 0xFF000000u) == key;
  EXPECT_EQ(keyEntries, 1) << "only the field may use the key colour";

  std::set<QByteArray> looks;
  for (int h = 1; h <= 9; ++h) {
    for (int f = 1; f <= 8; ++f) {
      SCOPED_TRACE(testing::Message() << "horse " << h << " frame " << f);
      const QImage cell = sheet.copy(73 * (f - 1), 60 * (h - 1), 73, 60);
      EXPECT_EQ(cell.pixel(1, 1) | 0xFF000000u, key);
      int figure = 0;
      for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 73; ++x) {
          const bool field = (cell.pixel(x, y) | 0xFF000000u) == key;
          figure += !field;
          // The figure keeps off the cell's edge so it never spills into its neighbour.
          if (x == 0 || y == 0 || x == 72) {
            EXPECT_TRUE(field) << x << "," << y;
          }
        }
      }
      EXPECT_GT(figure, 600) << "a horse and rider fill a good part of the cell";
      const QImage rgb = cell.convertToFormat(QImage::Format_RGB32);
      looks.insert(QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()));
    }
  }
  EXPECT_EQ(looks.size(), 72u) << "every frame of every horse is a picture of its own";
  for (int y = 0; y < 540; ++y) {
    EXPECT_EQ(sheet.pixel(584, y) | 0xFF000000u, key);
    EXPECT_EQ(sheet.pixel(585, y) | 0xFF000000u, key);
  }
}

TEST(Assets, AnimationIsFiftyRle8FramesOf40PixelsAt25PerSecond) {
  const QByteArray avi = Resources::Load("Man");
  ASSERT_EQ(Fourcc(avi, 0), "RIFF");
  ASSERT_EQ(Fourcc(avi, 8), "AVI ");
  EXPECT_EQ(qsizetype(U32(avi, 4)) + 8, avi.size());
  const qsizetype avih = FindChunk(avi, 12, avi.size(), "avih");
  ASSERT_GE(avih, 0);
  EXPECT_EQ(U32(avi, avih + 8), 40000u);    // microseconds per frame
  EXPECT_EQ(U32(avi, avih + 8 + 16), 50u);  // frames
  EXPECT_EQ(U32(avi, avih + 8 + 32), 40u);
  EXPECT_EQ(U32(avi, avih + 8 + 36), 40u);
  const qsizetype strh = FindChunk(avi, 12, avi.size(), "strh");
  ASSERT_GE(strh, 0);
  EXPECT_EQ(Fourcc(avi, strh + 8), "vids");
  EXPECT_EQ(U32(avi, strh + 8 + 20), 1u);   // scale
  EXPECT_EQ(U32(avi, strh + 8 + 24), 25u);  // rate
  EXPECT_EQ(U32(avi, strh + 8 + 32), 50u);  // length
  const qsizetype strf = FindChunk(avi, 12, avi.size(), "strf");
  ASSERT_GE(strf, 0);
  const qsizetype bih = strf + 8;
  EXPECT_EQ(U32(avi, bih), 40u);
  EXPECT_EQ(U32(avi, bih + 4), 40u);
  EXPECT_EQ(U32(avi, bih + 8), 40u);
  EXPECT_EQ(U16(avi, bih + 14), 8);
  EXPECT_EQ(U32(avi, bih + 16), 1u);  // BI_RLE8
  EXPECT_EQ(U32(avi, bih + 32), 256u);
  EXPECT_EQ(U32(avi, strf + 4), 40u + 1024u);

  // Each frame decodes to exactly 40 lines of 40 pixels and ends with the end-of-bitmap code.
  const qsizetype movi = FindChunk(avi, 12, avi.size(), "movi");
  ASSERT_GE(movi, 0);
  const qsizetype moviEnd = movi + 8 + U32(avi, movi + 4);
  int frames = 0;
  for (qsizetype at = movi + 12; at + 8 <= moviEnd;) {
    const qsizetype size = U32(avi, at + 4);
    EXPECT_EQ(Fourcc(avi, at), "00dc");
    const auto* data = reinterpret_cast<const uchar*>(avi.constData() + at + 8);
    int x = 0, line = 0;
    bool ended = false;
    for (qsizetype i = 0; i + 1 < size && !ended;) {
      const int count = data[i], value = data[i + 1];
      i += 2;
      if (count > 0) {
        x += count;
      } else if (value == 0) {
        EXPECT_EQ(x, 40);
        x = 0;
        ++line;
      } else if (value == 1) {
        EXPECT_EQ(x, 40);
        ++line;
        ended = true;
      } else {
        ASSERT_NE(value, 2) << "no delta codes";
        x += value;
        i += value + (value & 1);
      }
      ASSERT_LE(x, 40);
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(line, 40);
    ++frames;
    at += 8 + size + (size & 1);
  }
  EXPECT_EQ(frames, 50);
}

TEST(Assets, SoundsAre8BitMonoAtTheirRatesAndLengthsWithoutClipping) {
  struct {
    const char* Name;
    uint32_t Rate;
    double Seconds;
  } const cases[] = {{"Feu", 11127, 2.3}, {"Bravo", 22050, 27.6}, {"FIN", 11025, 1.7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QByteArray wav = Resources::Load(c.Name);
    ASSERT_EQ(Fourcc(wav, 0), "RIFF");
    ASSERT_EQ(Fourcc(wav, 8), "WAVE");
    const qsizetype fmt = FindChunk(wav, 12, wav.size(), "fmt ");
    const qsizetype data = FindChunk(wav, 12, wav.size(), "data");
    ASSERT_GE(fmt, 0);
    ASSERT_GE(data, 0);
    EXPECT_EQ(U16(wav, fmt + 8), 1);   // PCM
    EXPECT_EQ(U16(wav, fmt + 10), 1);  // mono
    EXPECT_EQ(U32(wav, fmt + 12), c.Rate);
    EXPECT_EQ(U16(wav, fmt + 22), 8);  // bits
    const qsizetype samples = U32(wav, data + 4);
    ASSERT_LE(data + 8 + samples, wav.size());
    EXPECT_NEAR(double(samples) / c.Rate, c.Seconds, 0.1);
    int peak = 0, run = 0, longestRun = 0;
    for (qsizetype i = 0; i < samples; ++i) {
      const int v = uchar(wav[data + 8 + i]);
      peak = std::max(peak, std::abs(v - 128));
      run = (v == 0 || v == 255) ? run + 1 : 0;
      longestRun = std::max(longestRun, run);
    }
    EXPECT_EQ(longestRun, 0) << "no sample at the limits";
    EXPECT_GT(peak, 64) << "loud enough to be heard";
  }
}

TEST(Assets, PicturesDecodeToTheirSizes) {
  struct {
    const char* Name;
    int Width, Height;
  } const cases[] = {{"Track", 800, 600}, {"Panel", 353, 360}, {"Splash", 344, 249}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TBitmap bitmap = DecodeJpeg(Resources::Load(c.Name));
    EXPECT_EQ(bitmap.Width(), c.Width);
    EXPECT_EQ(bitmap.Height(), c.Height);
  }
  for (auto [name, size] : {std::pair{"Icon", 32}, std::pair{"Icon256", 256}}) {
    QImage icon;
    EXPECT_TRUE(icon.loadFromData(Resources::Load(name), "PNG"));
    EXPECT_EQ(icon.size(), QSize(size, size)) << name;
  }
}

// Each language's pictures are the French ones with its own words: at both sizes they differ from
// them only where words are drawn, give or take the JPEG blocks around the words.
TEST(Assets, EachLanguagesPicturesDifferFromTheFrenchOnlyWhereWordsAre) {
  struct {
    const char* Name;
    std::vector<QRect> Words;  // logical pixels
  } const pictures[] = {
      {"Track", {{123, 4, 40, 14}, {637, 4, 40, 14}}},
      {"Panel", {{0, 4, 353, 70}, {0, 83, 353, 17}, {20, 334, 309, 18}}},
      {"Splash", {{76, 180, 192, 16}}},
  };
  const QStringList languages = Translation::CarriedLanguages(QStringLiteral("tierce"));
  ASSERT_FALSE(languages.isEmpty());
  for (const QString& language : languages) {
    for (const auto& picture : pictures) {
      for (int scale : {1, 2}) {
        const QString folder = scale == 1 ? QString() : QStringLiteral("2x/");
        const QString name = QString::fromLatin1(picture.Name);
        SCOPED_TRACE((folder + language + u'/' + name).toStdString());
        const QImage french = DecodeJpeg(Resources::Load(folder + name)).Image();
        const QImage translated =
            DecodeJpeg(Resources::Load(folder + language + u'/' + name)).Image();
        ASSERT_EQ(translated.size(), french.size());
        QRegion words;
        for (const QRect& r : picture.Words) {
          words += QRect(r.topLeft() * scale, r.size() * scale).adjusted(-18, -18, 18, 18);
        }
        int outside = 0;
        for (int y = 0; y < french.height(); ++y) {
          for (int x = 0; x < french.width(); ++x) {
            outside += french.pixel(x, y) != translated.pixel(x, y) && !words.contains({x, y});
          }
        }
        EXPECT_EQ(outside, 0) << "pixels changed away from the words";
        if (name == QLatin1String("Panel")) {
          EXPECT_NE(translated, french) << "French words";
        }
      }
    }
  }
}

// The labels are transparent, so their text is only readable over the dark boxes; the horses are
// drawn over plain grass in every lane.
TEST(Assets, TrackHasDarkLabelBoxesAndGrassLanes) {
  const QImage track = DecodeJpeg(Resources::Load("Track")).Image();
  const QRect boxes[] = {{123, 19, 40, 19},
                         {123, 39, 40, 13},
                         {637, 19, 40, 19},
                         {637, 39, 40, 13},
                         {749, 16, 29, 30}};
  for (const QRect& box : boxes) {
    for (int y = box.top() + 1; y < box.bottom(); ++y) {
      for (int x = box.left() + 1; x < box.right(); ++x) {
        ASSERT_LT(qGray(track.pixel(x, y)), 50) << x << "," << y;
      }
    }
  }
  for (int h = 1; h <= 9; ++h) {
    const int top = 50 + 60 * (h - 1);
    for (int x = 60; x <= 700; x += 80) {
      const QColor c = track.pixelColor(x, top + 30);
      EXPECT_GT(c.green(), c.red() + 30) << "lane " << h << " x " << x;
      EXPECT_GT(c.green(), c.blue() + 30) << "lane " << h << " x " << x;
    }
  }
}

TEST(Assets, PanelHasBlackFramesBehindTheControlsAndABlueBar) {
  const QImage panel = DecodeJpeg(Resources::Load("Panel")).Image();
  const QRect frames[] = {{28, 110, 292, 62}, {26, 193, 296, 129}};
  for (const QRect& r : frames) {
    for (const QPoint& at : {r.topLeft(), r.bottomRight(), r.center()}) {
      EXPECT_LT(qGray(panel.pixel(at)), 30) << at.x() << "," << at.y();
    }
  }
  const QColor bar = panel.pixelColor(30, 343);
  EXPECT_GT(bar.blue(), bar.red() + 40);
  EXPECT_GT(bar.blue(), 180);
}
