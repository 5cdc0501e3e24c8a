// File formats written by hand so that every byte is under our control: BMP, WAV, AVI (RLE8),
// plus the JPEG encoder of libjpeg and a median-cut colour reduction.
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
// clang-format off
#include <jpeglib.h>  // needs <cstdio> first
// clang-format on
#include <map>
#include <stdexcept>

#include "tools/artwork/Artwork.h"

namespace Art {

namespace {

void Put16(QByteArray& out, uint32_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(QByteArray& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER of an 8-bit picture followed by its 256-entry palette, as both the BMP file
// and the AVI stream format carry it.
void PutPalettedBitmapInfo(QByteArray& out, const TIndexed& picture, uint32_t compression,
                           uint32_t imageSize, uint32_t pixelsPerMetre) {
  Put32(out, 40);
  Put32(out, uint32_t(picture.Width));
  Put32(out, uint32_t(picture.Height));
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, compression);
  Put32(out, imageSize);
  Put32(out, pixelsPerMetre);
  Put32(out, pixelsPerMetre);
  Put32(out, 256);
  Put32(out, 0);
  for (QRgb c : picture.Palette) {
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append('\0');
  }
}
void PutFourcc(QByteArray& out, const char* fourcc) {
  out.append(fourcc, 4);
}

// A RIFF chunk: fourcc, size, data, padded to an even length.
QByteArray Chunk(const char* fourcc, const QByteArray& data) {
  QByteArray out;
  PutFourcc(out, fourcc);
  Put32(out, static_cast<uint32_t>(data.size()));
  out.append(data);
  if (data.size() % 2) out.append('\0');
  return out;
}
QByteArray List(const char* type, const QByteArray& body) {
  QByteArray data(type, 4);
  data.append(body);
  return Chunk("LIST", data);
}

struct TEntry {
  QRgb Colour;
  uint64_t Count;
};

int Channel(QRgb c, int k) {
  return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c);
}

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

std::vector<QRgb> BuildPalette(const std::vector<const QImage*>& images, QRgb reserved) {
  std::map<QRgb, uint64_t> histogram;
  for (const QImage* image : images) {
    for (int y = 0; y < image->height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image->constScanLine(y));
      for (int x = 0; x < image->width(); ++x) {
        const QRgb c = line[x] | 0xFF000000u;
        if (c != (reserved | 0xFF000000u)) ++histogram[c];
      }
    }
  }
  std::vector<std::vector<TEntry>> boxes(1);
  for (const auto& [colour, count] : histogram) boxes[0].push_back({colour, count});

  // Split the box with the widest, most populated channel range until 255 boxes.
  while (boxes.size() < 255) {
    int best = -1, bestChannel = 0;
    double bestScore = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      uint64_t total = 0;
      for (const TEntry& e : boxes[i]) total += e.Count;
      for (int k = 0; k < 3; ++k) {
        int lo = 255, hi = 0;
        for (const TEntry& e : boxes[i]) {
          lo = std::min(lo, Channel(e.Colour, k));
          hi = std::max(hi, Channel(e.Colour, k));
        }
        const double score = (hi - lo) * std::sqrt(static_cast<double>(total));
        if (score > bestScore) {
          bestScore = score;
          best = static_cast<int>(i);
          bestChannel = k;
        }
      }
    }
    if (best < 0) break;
    std::vector<TEntry>& box = boxes[best];
    std::stable_sort(box.begin(), box.end(), [&](const TEntry& a, const TEntry& b) {
      return Channel(a.Colour, bestChannel) < Channel(b.Colour, bestChannel);
    });
    uint64_t total = 0, running = 0;
    for (const TEntry& e : box) total += e.Count;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < box.size(); ++i) {
      running += box[i].Count;
      cut = i + 1;
      if (running * 2 >= total) break;
    }
    std::vector<TEntry> upper(box.begin() + cut, box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
  }

  std::vector<QRgb> palette{reserved | 0xFF000000u};
  for (const auto& box : boxes) {
    if (box.empty()) continue;
    double r = 0, g = 0, b = 0, n = 0;
    for (const TEntry& e : box) {
      r += qRed(e.Colour) * double(e.Count);
      g += qGreen(e.Colour) * double(e.Count);
      b += qBlue(e.Colour) * double(e.Count);
      n += double(e.Count);
    }
    QRgb c = qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n)));
    // Keep the reserved colour unique: nudge an average that lands on it.
    if (c == palette[0]) c = qRgb(qRed(c), std::min(255, qGreen(c) + 1), qBlue(c));
    palette.push_back(c);
  }
  while (palette.size() < 256) palette.push_back(qRgb(255, 255, 255));
  return palette;
}

TIndexed Quantise(const QImage& image, const std::vector<QRgb>& palette) {
  TIndexed out;
  out.Width = image.width();
  out.Height = image.height();
  out.Palette = palette;
  out.Pixels.resize(size_t(out.Width) * size_t(out.Height));
  std::map<QRgb, uint8_t> cache;
  for (int y = 0; y < out.Height; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < out.Width; ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      auto found = cache.find(c);
      if (found == cache.end()) {
        uint8_t index = 0;
        if (c != palette[0]) {
          int best = 1 << 30;
          for (size_t i = 1; i < palette.size(); ++i) {
            const int d = Distance(c, palette[i]);
            if (d < best) {
              best = d;
              index = static_cast<uint8_t>(i);
            }
          }
        }
        found = cache.emplace(c, index).first;
      }
      out.Pixels[size_t(y) * size_t(out.Width) + size_t(x)] = found->second;
    }
  }
  return out;
}

QByteArray Bmp8(const TIndexed& picture) {
  const int stride = (picture.Width + 3) & ~3;
  const uint32_t offset = 14 + 40 + 256 * 4;
  const uint32_t imageSize = uint32_t(stride) * uint32_t(picture.Height);
  QByteArray out;
  out.append("BM", 2);
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  PutPalettedBitmapInfo(out, picture, 0 /* BI_RGB */, imageSize, 2835);
  for (int y = picture.Height - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char*>(&picture.Pixels[size_t(y) * size_t(picture.Width)]),
               picture.Width);
    out.append(QByteArray(stride - picture.Width, '\0'));
  }
  return out;
}

QByteArray Bmp24(const QImage& image) {
  const int stride = (image.width() * 3 + 3) & ~3;
  const uint32_t imageSize = uint32_t(stride) * uint32_t(image.height());
  QByteArray out;
  out.append("BM", 2);
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, uint32_t(image.width()));
  Put32(out, uint32_t(image.height()));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      out.append(char(qBlue(c)));
      out.append(char(qGreen(c)));
      out.append(char(qRed(c)));
    }
    out.append(QByteArray(stride - image.width() * 3, '\0'));
  }
  return out;
}

namespace {

// A JPEG file in memory, written by `write` from its parameters to jpeg_finish_compress.
QByteArray Compressed(const std::function<void(jpeg_compress_struct&)>& write) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  write(cinfo);
  QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
  jpeg_destroy_compress(&cinfo);
  free(buffer);
  return out;
}

}  // namespace

QByteArray Jpeg(const QImage& image, int quality) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  return Compressed([&](jpeg_compress_struct& cinfo) {
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // 4:4:4, so small lettering keeps its colour edges.
    for (int i = 0; i < cinfo.num_components; ++i) {
      cinfo.comp_info[i].h_samp_factor = 1;
      cinfo.comp_info[i].v_samp_factor = 1;
    }
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
      JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
      jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
  });
}

namespace {

// A JPEG file's DCT coefficients, read for copying.
struct TCoefficients {
  jpeg_decompress_struct Info{};
  jpeg_error_mgr Errors{};
  jvirt_barray_ptr* Arrays = nullptr;

  explicit TCoefficients(const QByteArray& file) {
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(file.constData()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&Info, TRUE);
    Arrays = jpeg_read_coefficients(&Info);
  }
  ~TCoefficients() {
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
  }
  TCoefficients(const TCoefficients&) = delete;
  TCoefficients& operator=(const TCoefficients&) = delete;

  JBLOCKROW Row(int component, int row, bool writable) {
    return (*Info.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&Info), Arrays[component],
                                           JDIMENSION(row), 1, writable ? TRUE : FALSE)[0];
  }
};

bool BlockDiffers(const QImage& one, const QImage& two, int column, int row) {
  for (int y = row * DCTSIZE; y < std::min((row + 1) * DCTSIZE, one.height()); ++y) {
    for (int x = column * DCTSIZE; x < std::min((column + 1) * DCTSIZE, one.width()); ++x) {
      if (one.pixel(x, y) != two.pixel(x, y)) return true;
    }
  }
  return false;
}

}  // namespace

QByteArray JpegWithBlocksOf(const QByteArray& base, const QImage& baseDrawn, const QImage& drawn,
                            int quality) {
  TCoefficients into(base);
  TCoefficients from(Jpeg(drawn, quality));
  if (into.Info.num_components != from.Info.num_components ||
      into.Info.image_width != from.Info.image_width ||
      into.Info.image_height != from.Info.image_height || baseDrawn.size() != drawn.size() ||
      int(into.Info.image_width) != drawn.width()) {
    throw std::runtime_error("a translated picture's size differs from the French one's");
  }
  for (int t = 0; t < NUM_QUANT_TBLS; ++t) {
    const JQUANT_TBL* one = into.Info.quant_tbl_ptrs[t];
    const JQUANT_TBL* two = from.Info.quant_tbl_ptrs[t];
    if (!one != !two ||
        (one && !std::equal(one->quantval, one->quantval + DCTSIZE2, two->quantval))) {
      throw std::runtime_error("a translated picture's JPEG quality differs from the French one's");
    }
  }
  // 4:4:4: a block of every component covers the same 8×8 pixels.
  for (int c = 0; c < into.Info.num_components; ++c) {
    const jpeg_component_info& component = into.Info.comp_info[c];
    for (int row = 0; row < int(component.height_in_blocks); ++row) {
      JBLOCKROW target = into.Row(c, row, true);
      JBLOCKROW source = from.Row(c, row, false);
      for (int column = 0; column < int(component.width_in_blocks); ++column) {
        if (BlockDiffers(baseDrawn, drawn, column, row)) {
          std::copy(source[column], source[column] + DCTSIZE2, target[column]);
        }
      }
    }
  }
  return Compressed([&](jpeg_compress_struct& out) {
    jpeg_copy_critical_parameters(&into.Info, &out);
    out.optimize_coding = TRUE;
    jpeg_write_coefficients(&out, into.Arrays);
    jpeg_finish_compress(&out);
  });
}

QByteArray Wav8(const std::vector<double>& samples, int rate, uint64_t ditherSeed) {
  TRng rng(ditherSeed);
  QByteArray data;
  data.reserve(qsizetype(samples.size()));
  for (double s : samples) {
    // Triangular dither hides the 8-bit steps in quiet passages.
    const double v = 128.0 + 127.0 * s + 0.5 * (rng.Uniform() - rng.Uniform());
    data.append(char(std::clamp(int(std::lround(v)), 1, 254)));
  }
  QByteArray format;
  Put16(format, 1);
  Put16(format, 1);
  Put32(format, uint32_t(rate));
  Put32(format, uint32_t(rate));
  Put16(format, 1);
  Put16(format, 8);
  QByteArray body("WAVE", 4);
  body.append(Chunk("fmt ", format));
  body.append(Chunk("data", data));
  return Chunk("RIFF", body);
}

QByteArray Rle8(const TIndexed& frame) {
  QByteArray out;
  for (int y = frame.Height - 1; y >= 0; --y) {
    const uint8_t* row = &frame.Pixels[size_t(y) * size_t(frame.Width)];
    int x = 0;
    while (x < frame.Width) {
      int run = 1;
      while (x + run < frame.Width && run < 255 && row[x + run] == row[x]) ++run;
      if (run >= 2) {
        out.append(char(run));
        out.append(char(row[x]));
        x += run;
        continue;
      }
      // Gather a stretch of differing pixels; absolute mode needs at least 3.
      int n = 1;
      while (x + n < frame.Width && n < 255 &&
             !(x + n + 1 < frame.Width && row[x + n] == row[x + n + 1]))
        ++n;
      if (n < 3) {
        for (int i = 0; i < n; ++i) {
          out.append(char(1));
          out.append(char(row[x + i]));
        }
      } else {
        out.append('\0');
        out.append(char(n));
        out.append(reinterpret_cast<const char*>(row + x), n);
        if (n % 2) out.append('\0');
      }
      x += n;
    }
    out.append('\0');
    out.append(y == 0 ? char(1) : char(0));  // end of bitmap after the top line
  }
  return out;
}

QByteArray AviRle8(const std::vector<TIndexed>& frames, int microSecPerFrame) {
  const TIndexed& first = frames.front();
  std::vector<QByteArray> coded;
  uint32_t largest = 0;
  for (const TIndexed& f : frames) {
    coded.push_back(Rle8(f));
    largest = std::max(largest, uint32_t(coded.back().size()));
  }
  const uint32_t count = uint32_t(frames.size());
  const uint32_t rate = 1000000u / uint32_t(microSecPerFrame);

  QByteArray avih;
  Put32(avih, uint32_t(microSecPerFrame));
  Put32(avih, largest * rate);
  Put32(avih, 0);
  Put32(avih, 0x10);  // AVIF_HASINDEX
  Put32(avih, count);
  Put32(avih, 0);
  Put32(avih, 1);
  Put32(avih, largest);
  Put32(avih, uint32_t(first.Width));
  Put32(avih, uint32_t(first.Height));
  for (int i = 0; i < 4; ++i) Put32(avih, 0);

  QByteArray strh;
  PutFourcc(strh, "vids");
  PutFourcc(strh, "RLE ");
  Put32(strh, 0);
  Put16(strh, 0);
  Put16(strh, 0);
  Put32(strh, 0);
  Put32(strh, 1);
  Put32(strh, rate);
  Put32(strh, 0);
  Put32(strh, count);
  Put32(strh, largest);
  Put32(strh, 0xFFFFFFFFu);
  Put32(strh, 0);
  Put16(strh, 0);
  Put16(strh, 0);
  Put16(strh, uint32_t(first.Width));
  Put16(strh, uint32_t(first.Height));

  QByteArray strf;
  PutPalettedBitmapInfo(strf, first, 1 /* BI_RLE8 */, largest, 0);

  const QByteArray hdrl =
      List("hdrl", Chunk("avih", avih) + List("strl", Chunk("strh", strh) + Chunk("strf", strf)));
  QByteArray movi;
  QByteArray index;
  for (const QByteArray& c : coded) {
    PutFourcc(index, "00dc");
    Put32(index, 0x10);                       // AVIIF_KEYFRAME
    Put32(index, uint32_t(4 + movi.size()));  // from the 'movi' fourcc
    Put32(index, uint32_t(c.size()));
    movi.append(Chunk("00dc", c));
  }
  QByteArray body("AVI ", 4);
  body.append(hdrl);
  body.append(List("movi", movi));
  body.append(Chunk("idx1", index));
  return Chunk("RIFF", body);
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
    throw std::runtime_error("cannot write " + path.toStdString());
}

void WritePng(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

QImage ToImage(const TIndexed& picture) {
  QImage image(picture.Width, picture.Height, QImage::Format_Indexed8);
  image.setColorTable(QList<QRgb>(picture.Palette.begin(), picture.Palette.end()));
  for (int y = 0; y < picture.Height; ++y)
    std::copy_n(&picture.Pixels[size_t(y) * size_t(picture.Width)], picture.Width,
                image.scanLine(y));
  return image;
}

QFont Font(const QString& family, double pixelSize, int weight, bool italic) {
  QFont font(family);
  font.setPixelSize(int(std::lround(pixelSize)));
  font.setWeight(QFont::Weight(weight));
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  // Another family would draw other pictures from the same sources, silently.
  if (QFontInfo(font).family() != family) {
    throw std::runtime_error("font " + family.toStdString() + " missing (fonts-liberation)");
  }
  return font;
}

}  // namespace Art
