#include "toolkit/Avi.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QString>
#include <algorithm>

#include "toolkit/EToolkitError.h"
#include "toolkit/LittleEndian.h"
#include "toolkit/Rle8.h"

namespace {

QByteArray Hex(const char* text) {
  return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray U32(uint32_t value) {
  QByteArray bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = char((value >> (8 * i)) & 0xFF);
  return bytes;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray bytes = QByteArray(id, 4) + U32(uint32_t(body.size())) + body;
  if (body.size() % 2) bytes += '\0';
  return bytes;
}

QByteArray List(const char* type, const QByteArray& content) {
  return Chunk("LIST", QByteArray(type, 4) + content);
}

const QRgb kPalette[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

// Indices as rows of digits, top row first, so expectations read like the picture.
QString Picture(const std::vector<uint8_t>& indices, int width, int height) {
  QString text;
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) text += QChar('0' + indices[size_t(y * width + x)]);
    if (y > 0) text += '/';
  }
  return text;
}

QString Picture(const QImage& image) {
  QString text;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const auto found = std::find(std::begin(kPalette), std::end(kPalette), image.pixel(x, y));
      text += found == std::end(kPalette) ? QChar('?')
                                          : QChar(int('0' + (found - std::begin(kPalette))));
    }
    if (y + 1 < image.height()) text += '/';
  }
  return text;
}

// A 4×3 frame, bottom row first: a run, an odd absolute run with its pad, then an even one.
const char* kFrame1 = "04 01 00 00  00 03 02 03 02 00  01 01 00 00  00 04 03 03 02 02  00 01";
const char* kFrame1Picture = "3322/2321/1111";
// Moves to (1, 1) and paints one pixel; the rest must stay as frame 1 left it.
const char* kFrame2 = "00 02 01 01  01 00  00 01";
const char* kFrame2Picture = "3322/2021/1111";

QByteArray Strf(int width, int height, uint32_t compression, int colours) {
  QByteArray body = U32(40) + U32(uint32_t(width)) + U32(uint32_t(height));
  body += Hex("0100 0800") + U32(compression) + U32(0) + U32(0) + U32(0);
  body += U32(uint32_t(colours)) + U32(0);
  for (int i = 0; i < colours; ++i) {
    const QRgb c = kPalette[i % 4];
    body += char(qBlue(c));
    body += char(qGreen(c));
    body += char(qRed(c));
    body += '\0';
  }
  return body;
}

QByteArray Strh(const char* type) {
  QByteArray body = QByteArray(type, 4) + QByteArray(16, '\0');
  body += U32(1) + U32(25);  // scale, rate: 25 frames per second
  return body + QByteArray(28, '\0');
}

QByteArray Avih(uint32_t microSecPerFrame, uint32_t frames, int width, int height) {
  return U32(microSecPerFrame) + QByteArray(12, '\0') + U32(frames) + U32(0) + U32(1) + U32(0) +
         U32(uint32_t(width)) + U32(uint32_t(height)) + QByteArray(16, '\0');
}

QByteArray Movie(const QByteArray& hdrlExtra, const QByteArray& strf, const QByteArray& movi,
                 uint32_t frames, int width = 4, int height = 3) {
  const QByteArray hdrl = List(
      "hdrl",
      Chunk("avih", Avih(40000, frames, width, height)) + hdrlExtra +
          List("strl", Chunk("strh", Strh("vids")) + Chunk("strf", strf) + Chunk("strn", "man")));
  const QByteArray body = QByteArray("AVI ") + hdrl + Chunk("JUNK", "odd") + List("movi", movi) +
                          Chunk("idx1", QByteArray(16, '\0'));
  return "RIFF" + U32(uint32_t(body.size())) + body;
}

QByteArray GoodMovie() {
  return Movie({}, Strf(4, 3, 1, 4), Chunk("00dc", Hex(kFrame1)) + Chunk("00dc", Hex(kFrame2)), 2);
}

// Overwrites 4 bytes at `offset` into the body of the first chunk (or list type) named `id`.
QByteArray Patched(QByteArray bytes, const char* id, int offset, uint32_t value) {
  const qsizetype at = bytes.indexOf(QByteArray(id, 4));
  EXPECT_GE(at, 0) << id;
  bytes.replace(at + 8 + offset, 4, U32(value));
  return bytes;
}

std::string ErrorOf(const QByteArray& bytes) {
  try {
    ReadAvi(bytes);
  } catch (const EToolkitError& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace

TEST(Rle8, DecodesEveryEscape) {
  struct TCase {
    const char* name;
    const char* data;
    const char* picture;
  };
  const TCase cases[] = {
      {"runs and end of line", "02 01 02 02 00 00 04 03 00 01", "0000/3333/1122"},
      {"odd absolute run is padded", "00 03 01 02 03 00 01 02 00 01", "0000/0000/1232"},
      {"even absolute run has no pad", "00 04 03 02 01 00 00 01", "0000/0000/3210"},
      {"delta skips pixels", "00 02 02 01 02 03 00 01", "0000/0033/0000"},
      {"delta to the last row", "00 02 00 02 01 01 00 01", "1000/0000/0000"},
      {"end of bitmap ends early", "01 02 00 01 04 03", "0000/0000/2000"},
      {"end of line on the last row", "00 02 00 02 00 00 00 01", "0000/0000/0000"},
  };
  for (const TCase& c : cases) {
    std::vector<uint8_t> indices(12, 0);
    const QByteArray data = Hex(c.data);
    DecodeRle8(AsBytes(data), 4, 3, 4, indices);
    EXPECT_EQ(Picture(indices, 4, 3), c.picture) << c.name;
  }
}

TEST(Rle8, RejectsDataThatLiesOrOverflows) {
  struct TCase {
    const char* name;
    const char* data;
    const char* message;
  };
  const TCase cases[] = {
      {"empty", "", "fin d'image"},
      {"no end of bitmap", "04 01", "fin d'image"},
      {"lone count byte", "04", "tronquées"},
      {"delta without offsets", "00 02 01", "tronquées"},
      {"absolute run cut short", "00 05 01 01", "tronquées"},
      {"absolute run without its pad", "00 03 01 01 01", "tronquées"},
      {"run past the row", "05 01 00 01", "déborde"},
      {"run after a partial row", "03 01 02 01 00 01", "déborde"},
      {"absolute run past the row", "01 01 00 04 01 01 01 01 00 01", "déborde"},
      {"run above the last row", "00 00 00 00 00 00 01 01 00 01", "déborde"},
      {"end of line above the last row", "00 00 00 00 00 00 00 00 00 01", "dernière ligne"},
      {"delta past the right edge", "00 02 05 00 00 01", "hors de l'image"},
      {"delta past the top", "00 02 00 04 00 01", "hors de l'image"},
      {"run colour beyond palette", "01 04 00 01", "palette"},
      {"absolute colour beyond palette", "00 03 00 01 09 00 00 01", "palette"},
  };
  for (const TCase& c : cases) {
    std::vector<uint8_t> indices(12, 0);
    const QByteArray data = Hex(c.data);
    try {
      DecodeRle8(AsBytes(data), 4, 3, 4, indices);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const EToolkitError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.name << ": " << error.what();
    }
  }
}

TEST(Rle8, RandomBytesNeverEscapeTheBuffer) {
  // Run under the address sanitizer this shows that no input reads or writes out of bounds.
  QRandomGenerator random(1234);
  for (int round = 0; round < 3000; ++round) {
    QByteArray data(int(random.bounded(64)), '\0');
    for (char& byte : data) byte = char(random.bounded(round % 2 ? 8 : 256));
    std::vector<uint8_t> indices(5 * 4, 0);
    try {
      DecodeRle8(AsBytes(data), 5, 4, 3, indices);
    } catch (const EToolkitError&) {
    }
    for (uint8_t index : indices) ASSERT_LT(index, 3);
  }
}

TEST(Avi, ReadsFramesBottomUpWithDeltasOverThePreviousFrame) {
  const TAviMovie movie = ReadAvi(GoodMovie());
  EXPECT_EQ(movie.Width, 4);
  EXPECT_EQ(movie.Height, 3);
  EXPECT_EQ(movie.MicroSecPerFrame, 40000);
  ASSERT_EQ(movie.Frames.size(), 2u);
  EXPECT_EQ(Picture(movie.Frames[0]), kFrame1Picture);
  EXPECT_EQ(Picture(movie.Frames[1]), kFrame2Picture);
}

TEST(Avi, ReadsTheLayoutsWritersProduce) {
  struct TCase {
    const char* name;
    QByteArray bytes;
    std::vector<const char*> pictures;
  };
  const QByteArray f1 = Chunk("00dc", Hex(kFrame1));
  const QByteArray f2 = Chunk("00dc", Hex(kFrame2));
  // 3 pixels a row, padded to 4; bottom row first.
  const QByteArray raw = Chunk("00db", Hex("010101 00  020302 00  030302 00"));
  const QByteArray audioFirst =
      List("strl", Chunk("strh", Strh("auds")) + Chunk("strf", QByteArray(18, '\0')));
  const TCase cases[] = {
      {"interleaved in rec lists",
       Movie({}, Strf(4, 3, 1, 4), List("rec ", f1) + List("rec ", f2), 2),
       {kFrame1Picture, kFrame2Picture}},
      {"empty chunk repeats the frame",
       Movie({}, Strf(4, 3, 1, 4), f1 + Chunk("00dc", {}), 2),
       {kFrame1Picture, kFrame1Picture}},
      {"palette size taken from strf",
       Movie({}, Strf(4, 3, 1, 4).replace(32, 4, U32(0)), f1, 1),
       {kFrame1Picture}},
      {"uncompressed rows with padding", Movie({}, Strf(3, 3, 0, 4), raw, 1, 3), {"332/232/111"}},
      {"video as second stream, other chunks skipped",
       Movie(audioFirst, Strf(4, 3, 1, 4),
             Chunk("00wb", "xyz") + Chunk("01dc", Hex(kFrame1)) + Chunk("00dc", "junk") +
                 Chunk("01pc", "pp"),
             1),
       {kFrame1Picture}},
  };
  for (const TCase& c : cases) {
    try {
      const TAviMovie movie = ReadAvi(c.bytes);
      ASSERT_EQ(movie.Frames.size(), c.pictures.size()) << c.name;
      for (size_t i = 0; i < c.pictures.size(); ++i) {
        EXPECT_EQ(Picture(movie.Frames[i]), c.pictures[i]) << c.name << ", frame " << i;
      }
    } catch (const EToolkitError& error) {
      ADD_FAILURE() << c.name << ": " << error.what();
    }
  }
}

TEST(Avi, RejectsMalformedFilesNamingTheFault) {
  const QByteArray good = GoodMovie();
  const QByteArray f1 = Chunk("00dc", Hex(kFrame1));
  const QByteArray noVideoBody =
      "AVI " + List("hdrl", Chunk("avih", Avih(40000, 0, 4, 3))) + List("movi", {});
  const QByteArray noVideo = "RIFF" + U32(uint32_t(noVideoBody.size())) + noVideoBody;
  struct TCase {
    const char* name;
    QByteArray bytes;
    const char* message;
  };
  const TCase cases[] = {
      {"empty", {}, "trop court"},
      {"not RIFF", QByteArray(good).replace(0, 4, "RIFX"), "RIFF"},
      {"not AVI", QByteArray(good).replace(8, 4, "WAVE"), "RIFF"},
      {"RIFF size past the end", Patched(good, "RIFF", -4, uint32_t(good.size())), "taille RIFF"},
      {"RIFF size tiny", Patched(good, "RIFF", -4, 2), "taille RIFF"},
      {"chunk past its list", Patched(good, "avih", -4, 0x7FFFFFF0), "« avih »"},
      {"chunk size at 4 GiB", Patched(good, "00dc", -4, 0xFFFFFFFF), "« 00dc »"},
      {"list without type",
       QByteArray(good)
           .replace(good.indexOf("JUNK"), 4, "LIST")
           .replace(good.indexOf("JUNK") + 4, 4, U32(2)),
       "liste sans type"},
      {"no hdrl", QByteArray(good).replace(good.indexOf("hdrl"), 4, "xxxx"), "hdrl"},
      {"no movi", QByteArray(good).replace(good.indexOf("movi"), 4, "xxxx"), "movi"},
      {"no avih", QByteArray(good).replace(good.indexOf("avih"), 4, "xxxx"), "avih"},
      {"no video stream", noVideo, "flux vidéo"},
      {"no strf", QByteArray(good).replace(good.indexOf("strf"), 4, "xxxx"), "strf"},
      {"zero width", Patched(good, "strf", 4, 0), "dimensions"},
      {"zero height", Patched(good, "strf", 8, 0), "dimensions"},
      {"huge width", Patched(good, "strf", 4, 5000), "dimensions"},
      {"top-down height", Patched(good, "strf", 8, uint32_t(-3)), "dimensions"},
      {"24 bits", Patched(good, "strf", 12, 0x00180001), "bits"},
      {"unknown compression", Patched(good, "strf", 16, 2), "compression"},
      {"header size past strf", Patched(good, "strf", 0, 400), "en-tête d'image"},
      {"palette too big", Patched(good, "strf", 32, 300), "palette"},
      {"palette truncated", Patched(good, "strf", 32, 5), "palette tronquée"},
      {"avih size differs", Patched(good, "avih", 32, 8), "avih"},
      {"too many frames announced", Patched(good, "avih", 16, 20000), "images annoncées"},
      {"fewer frames than announced", Patched(good, "avih", 16, 3), "3 images"},
      {"no frames", Movie({}, Strf(4, 3, 1, 4), {}, 0), "aucune image"},
      {"no frame rate", Patched(Patched(good, "avih", 0, 0), "strh", 24, 0), "cadence"},
      {"colour beyond palette", Patched(good, "strf", 32, 3), "image 1"},
      {"bad second frame", Movie({}, Strf(4, 3, 1, 4), f1 + Chunk("00dc", Hex("09 01 00 01")), 2),
       "image 2"},
      {"first frame empty", Movie({}, Strf(4, 3, 1, 4), Chunk("00dc", {}), 1), "image 1"},
      {"uncompressed frame short", Movie({}, Strf(3, 3, 0, 4), Chunk("00db", Hex("0101")), 1, 3),
       "tronquée"},
      {"too many pixels in all",
       Movie({}, Strf(4096, 4096, 1, 4), Chunk("00dc", Hex("0001")).repeated(3), 3, 4096, 4096),
       "pixels au total"},
  };
  for (const TCase& c : cases) {
    const std::string message = ErrorOf(c.bytes);
    EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
  }
}

TEST(Avi, RejectsEveryTruncation) {
  const QByteArray good = GoodMovie();
  // Dropping the trailing index alone leaves a sound file, so stop before it. Each cut is tried
  // as it is and with the RIFF size made to agree, so the inner chunks must catch it too.
  const qsizetype end = good.indexOf("idx1");
  for (qsizetype length = 0; length < end; ++length) {
    QByteArray cut = good.left(length);
    EXPECT_THROW(ReadAvi(cut), EToolkitError) << length << " bytes";
    if (length >= 8) cut.replace(4, 4, U32(uint32_t(length - 8)));
    EXPECT_THROW(ReadAvi(cut), EToolkitError) << length << " bytes, RIFF size fixed";
  }
}

TEST(Avi, CapsTheFrameCount) {
  const QByteArray frames = Chunk("00dc", Hex(kFrame1)) + Chunk("00dc", {}).repeated(AviMaxFrames);
  const std::string message = ErrorOf(Movie({}, Strf(4, 3, 1, 4), frames, 0));
  EXPECT_NE(message.find("plus de 10000 images"), std::string::npos) << message;
}

TEST(Avi, RandomDamageIsReadOrRefusedNeverOverrun) {
  // Under the address sanitizer: any damaged file is read or refused, never overrun.
  const QByteArray good = GoodMovie();
  QRandomGenerator random(99);
  for (int round = 0; round < 5000; ++round) {
    QByteArray bytes = good;
    const int hits = 1 + int(random.bounded(4));
    for (int i = 0; i < hits; ++i) {
      bytes[int(random.bounded(int(bytes.size())))] = char(random.bounded(256));
    }
    try {
      const TAviMovie movie = ReadAvi(bytes);
      EXPECT_EQ(movie.Frames.size(), 2u);
    } catch (const EToolkitError&) {
    }
  }
}
