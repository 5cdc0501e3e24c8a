#include "toolkit/Avi.h"

#include <QString>
#include <algorithm>
#include <cstring>
#include <optional>

#include "toolkit/EToolkitError.h"

namespace {

[[noreturn]] void Fail(const QString& what) {
  throw EToolkitError(QStringLiteral("AVI invalide : %1").arg(what).toStdString());
}

[[noreturn]] void FailRle(const QString& what) {
  throw EToolkitError(QStringLiteral("RLE8 : %1").arg(what).toStdString());
}

using TBytes = std::span<const uint8_t>;

constexpr uint32_t Fourcc(const char (&text)[5]) {
  return uint32_t(uint8_t(text[0])) | uint32_t(uint8_t(text[1])) << 8 |
         uint32_t(uint8_t(text[2])) << 16 | uint32_t(uint8_t(text[3])) << 24;
}

QString FourccText(uint32_t id) {
  QString text;
  for (int i = 0; i < 4; ++i) {
    const char c = char((id >> (8 * i)) & 0xFF);
    text += (c >= 0x20 && c < 0x7F) ? QChar(c) : QChar('?');
  }
  return text;
}

uint32_t U32(TBytes bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}

uint16_t U16(TBytes bytes, size_t at) {
  return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

// Calls visit(id, body) for each chunk of a chunk list; a LIST chunk's body starts with its type.
template <class Visit>
void ForEachChunk(TBytes data, const QString& where, Visit&& visit) {
  size_t pos = 0;
  while (pos < data.size()) {
    if (data.size() - pos < 8)
      Fail(QStringLiteral("en-tête de bloc tronqué dans « %1 »").arg(where));
    const uint32_t id = U32(data, pos);
    const uint32_t size = U32(data, pos + 4);
    if (size > data.size() - pos - 8) {
      Fail(QStringLiteral("le bloc « %1 » de %2 octets dépasse la fin de « %3 »")
               .arg(FourccText(id))
               .arg(size)
               .arg(where));
    }
    visit(id, data.subspan(pos + 8, size));
    // Chunks are padded to even size; a writer may leave out the pad of the last one.
    pos = std::min<size_t>(pos + 8 + size + (size & 1), data.size());
  }
}

struct TList {
  uint32_t Type;
  TBytes Content;
};

std::optional<TList> AsList(uint32_t id, TBytes body) {
  if (id != Fourcc("LIST") && id != Fourcc("RIFF")) return std::nullopt;
  if (body.size() < 4) Fail(QStringLiteral("liste sans type"));
  return TList{U32(body, 0), body.subspan(4)};
}

struct TVideoFormat {
  int Width = 0;
  int Height = 0;
  bool Rle = false;
  std::vector<QRgb> Palette;
};

TVideoFormat ReadBitmapInfo(TBytes strf) {
  if (strf.size() < 40) Fail(QStringLiteral("« strf » trop court pour un BITMAPINFOHEADER"));
  const uint32_t headerSize = U32(strf, 0);
  if (headerSize < 40 || headerSize > strf.size()) {
    Fail(QStringLiteral("taille d'en-tête d'image %1 incohérente").arg(headerSize));
  }
  const auto width = int32_t(U32(strf, 4));
  const auto height = int32_t(U32(strf, 8));
  const uint16_t bitCount = U16(strf, 14);
  const uint32_t compression = U32(strf, 16);
  const uint32_t colorsUsed = U32(strf, 32);
  if (width < 1 || height < 1 || width > kAviMaxSide || height > kAviMaxSide) {
    Fail(QStringLiteral("dimensions %1×%2 hors de 1..%3").arg(width).arg(height).arg(kAviMaxSide));
  }
  if (bitCount != 8) Fail(QStringLiteral("%1 bits par pixel au lieu de 8").arg(bitCount));
  if (compression != 0 && compression != 1) {
    Fail(QStringLiteral("compression %1 inconnue (seuls RGB et RLE8 sont lus)").arg(compression));
  }
  const size_t room = (strf.size() - headerSize) / 4;
  if (colorsUsed > 256) Fail(QStringLiteral("palette de %1 couleurs").arg(colorsUsed));
  if (colorsUsed > room) {
    Fail(QStringLiteral("palette tronquée : %1 couleurs annoncées, %2 présentes")
             .arg(colorsUsed)
             .arg(room));
  }
  // Zero means a full palette; some writers store fewer entries than that.
  const size_t count = colorsUsed != 0 ? colorsUsed : std::min<size_t>(room, 256);
  if (count == 0) Fail(QStringLiteral("palette absente"));

  TVideoFormat format;
  format.Width = width;
  format.Height = height;
  format.Rle = compression == 1;
  for (size_t i = 0; i < count; ++i) {
    const size_t at = headerSize + 4 * i;
    format.Palette.push_back(qRgb(strf[at + 2], strf[at + 1], strf[at]));
  }
  return format;
}

struct THeaders {
  bool HaveMain = false;
  int64_t MicroSecPerFrame = 0;
  uint32_t TotalFrames = 0;
  uint32_t Width = 0;
  uint32_t Height = 0;
  int VideoStream = -1;
  int64_t StreamMicroSecPerFrame = 0;
  TVideoFormat Format;
};

void ReadStream(TBytes strl, int index, THeaders& headers) {
  TBytes strh;
  std::optional<TBytes> strf;
  bool haveStrh = false;
  ForEachChunk(strl, QStringLiteral("strl"), [&](uint32_t id, TBytes body) {
    if (id == Fourcc("strh") && !haveStrh) {
      strh = body;
      haveStrh = true;
    } else if (id == Fourcc("strf") && !strf) {
      strf = body;
    }
  });
  if (!haveStrh) Fail(QStringLiteral("flux %1 sans « strh »").arg(index));
  if (strh.size() < 36) Fail(QStringLiteral("« strh » du flux %1 trop court").arg(index));
  if (U32(strh, 0) != Fourcc("vids") || headers.VideoStream >= 0) return;
  if (!strf) Fail(QStringLiteral("flux vidéo %1 sans « strf »").arg(index));
  headers.VideoStream = index;
  headers.Format = ReadBitmapInfo(*strf);
  const uint32_t scale = U32(strh, 20);
  const uint32_t rate = U32(strh, 24);
  if (scale != 0 && rate != 0) headers.StreamMicroSecPerFrame = int64_t(scale) * 1000000 / rate;
}

THeaders ReadHeaders(TBytes hdrl) {
  THeaders headers;
  int streams = 0;
  ForEachChunk(hdrl, QStringLiteral("hdrl"), [&](uint32_t id, TBytes body) {
    if (id == Fourcc("avih") && !headers.HaveMain) {
      if (body.size() < 40) Fail(QStringLiteral("« avih » trop court"));
      headers.HaveMain = true;
      headers.MicroSecPerFrame = U32(body, 0);
      headers.TotalFrames = U32(body, 16);
      headers.Width = U32(body, 32);
      headers.Height = U32(body, 36);
    } else if (const auto list = AsList(id, body); list && list->Type == Fourcc("strl")) {
      ReadStream(list->Content, streams++, headers);
    }
  });
  if (!headers.HaveMain) Fail(QStringLiteral("en-tête « avih » absent"));
  if (headers.VideoStream < 0) Fail(QStringLiteral("aucun flux vidéo"));
  const TVideoFormat& format = headers.Format;
  if (headers.Width != uint32_t(format.Width) || headers.Height != uint32_t(format.Height)) {
    Fail(QStringLiteral("« avih » annonce %1×%2, le flux vidéo %3×%4")
             .arg(headers.Width)
             .arg(headers.Height)
             .arg(format.Width)
             .arg(format.Height));
  }
  if (headers.TotalFrames > uint32_t(kAviMaxFrames)) {
    Fail(QStringLiteral("%1 images annoncées, au plus %2")
             .arg(headers.TotalFrames)
             .arg(kAviMaxFrames));
  }
  if (headers.MicroSecPerFrame == 0) headers.MicroSecPerFrame = headers.StreamMicroSecPerFrame;
  if (headers.MicroSecPerFrame == 0) Fail(QStringLiteral("cadence d'images nulle"));
  return headers;
}

// Builds the frames from the movie's chunks, carrying the palette indices from frame to frame.
class TFrameDecoder {
 public:
  explicit TFrameDecoder(const THeaders& headers)
      : headers_(headers),
        format_(headers.Format),
        indices_(size_t(format_.Width) * size_t(format_.Height), 0) {
    palette_ = format_.Palette;
    palette_.resize(256, qRgb(0, 0, 0));
  }

  void Visit(uint32_t id, TBytes body) {
    if (const auto list = AsList(id, body)) {
      // Interleaved files group a frame's chunks in 'rec ' lists.
      if (list->Type == Fourcc("rec ") && !insideRec_) {
        insideRec_ = true;
        ForEachChunk(list->Content, QStringLiteral("rec "),
                     [this](uint32_t inner, TBytes innerBody) { Visit(inner, innerBody); });
        insideRec_ = false;
      }
      return;
    }
    const auto digit = [&](int shift) { return int((id >> shift) & 0xFF) - '0'; };
    const int tens = digit(0);
    const int units = digit(8);
    if (tens < 0 || tens > 9 || units < 0 || units > 9) return;
    if (tens * 10 + units != headers_.VideoStream) return;
    const uint32_t kind = id >> 16;
    if (kind != (Fourcc("00dc") >> 16) && kind != (Fourcc("00db") >> 16)) return;
    AddFrame(body);
  }

  std::vector<QImage> TakeFrames() { return std::move(frames_); }

 private:
  void AddFrame(TBytes body) {
    const int number = int(frames_.size()) + 1;
    if (number > kAviMaxFrames) Fail(QStringLiteral("plus de %1 images").arg(kAviMaxFrames));
    const int64_t pixels = int64_t(format_.Width) * format_.Height;
    if (pixels * number > kAviMaxTotalPixels) {
      Fail(QStringLiteral("l'animation dépasse %1 pixels au total").arg(kAviMaxTotalPixels));
    }
    // An empty chunk repeats the previous frame.
    if (body.empty() && !frames_.empty()) {
      frames_.push_back(frames_.back());
      return;
    }
    try {
      if (format_.Rle) {
        DecodeRle8(body, format_.Width, format_.Height, int(format_.Palette.size()), indices_);
      } else {
        CopyUncompressed(body);
      }
    } catch (const EToolkitError& error) {
      Fail(QStringLiteral("image %1 : %2").arg(number).arg(QString::fromStdString(error.what())));
    }
    frames_.push_back(ToImage());
  }

  void CopyUncompressed(TBytes body) {
    const size_t stride = (size_t(format_.Width) + 3) & ~size_t(3);
    if (body.size() < stride * size_t(format_.Height)) {
      throw EToolkitError(QStringLiteral("image non compressée tronquée (%1 octets sur %2)")
                              .arg(body.size())
                              .arg(stride * size_t(format_.Height))
                              .toStdString());
    }
    for (int y = 0; y < format_.Height; ++y) {
      for (int x = 0; x < format_.Width; ++x) {
        const uint8_t value = body[size_t(y) * stride + size_t(x)];
        if (value >= format_.Palette.size()) {
          throw EToolkitError(QStringLiteral("couleur %1 hors de la palette de %2")
                                  .arg(value)
                                  .arg(format_.Palette.size())
                                  .toStdString());
        }
        indices_[size_t(y) * size_t(format_.Width) + size_t(x)] = value;
      }
    }
  }

  QImage ToImage() const {
    QImage image(format_.Width, format_.Height, QImage::Format_RGB32);
    if (image.isNull()) throw EToolkitError("Mémoire insuffisante pour décoder l'animation");
    for (int row = 0; row < format_.Height; ++row) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
      const uint8_t* source = &indices_[size_t(format_.Height - 1 - row) * size_t(format_.Width)];
      for (int x = 0; x < format_.Width; ++x) line[x] = palette_[source[x]];
    }
    return image;
  }

  const THeaders& headers_;
  const TVideoFormat& format_;
  std::vector<QRgb> palette_;
  std::vector<uint8_t> indices_;
  std::vector<QImage> frames_;
  bool insideRec_ = false;
};

}  // namespace

void DecodeRle8(std::span<const uint8_t> data, int width, int height, int paletteSize,
                std::vector<uint8_t>& indices) {
  if (width < 1 || height < 1 || indices.size() != size_t(width) * size_t(height)) {
    FailRle(QStringLiteral("tampon de %1 pixels pour une image %2×%3")
                .arg(indices.size())
                .arg(width)
                .arg(height));
  }
  const auto need = [&](size_t pos, size_t count) {
    if (data.size() - pos < count)
      FailRle(QStringLiteral("données tronquées à l'octet %1").arg(pos));
  };
  const auto checkColour = [&](uint8_t value) {
    if (value >= paletteSize) {
      FailRle(QStringLiteral("couleur %1 hors de la palette de %2").arg(value).arg(paletteSize));
    }
  };
  size_t pos = 0;
  int x = 0;
  int y = 0;
  for (;;) {
    if (pos >= data.size()) FailRle(QStringLiteral("pas de marque de fin d'image"));
    need(pos, 2);
    const uint8_t count = data[pos];
    const uint8_t code = data[pos + 1];
    pos += 2;
    if (count > 0) {
      if (y >= height || count > width - x) {
        FailRle(
            QStringLiteral("une suite de %1 pixels déborde en (%2, %3)").arg(count).arg(x).arg(y));
      }
      checkColour(code);
      std::memset(&indices[size_t(y) * size_t(width) + size_t(x)], code, count);
      x += count;
      continue;
    }
    switch (code) {
      case 0:  // end of line
        if (y >= height) FailRle(QStringLiteral("fin de ligne au-delà de la dernière ligne"));
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return;
      case 2: {  // delta: the skipped pixels keep the previous frame's value
        need(pos, 2);
        const int dx = data[pos];
        const int dy = data[pos + 1];
        pos += 2;
        if (dx > width - x || dy > height - y) {
          FailRle(QStringLiteral("déplacement (%1, %2) hors de l'image depuis (%3, %4)")
                      .arg(dx)
                      .arg(dy)
                      .arg(x)
                      .arg(y));
        }
        x += dx;
        y += dy;
        break;
      }
      default: {  // absolute run, padded to a 16-bit boundary
        const int length = code;
        need(pos, size_t(length + (length & 1)));
        if (y >= height || length > width - x) {
          FailRle(QStringLiteral("une suite absolue de %1 pixels déborde en (%2, %3)")
                      .arg(length)
                      .arg(x)
                      .arg(y));
        }
        uint8_t* target = &indices[size_t(y) * size_t(width) + size_t(x)];
        for (int i = 0; i < length; ++i) {
          checkColour(data[pos + size_t(i)]);
          target[i] = data[pos + size_t(i)];
        }
        pos += size_t(length + (length & 1));
        x += length;
        break;
      }
    }
  }
}

TAviMovie ReadAvi(const QByteArray& data) {
  const TBytes all(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
  if (all.size() < 12)
    Fail(QStringLiteral("%1 octets, trop court pour un en-tête RIFF").arg(all.size()));
  if (U32(all, 0) != Fourcc("RIFF") || U32(all, 8) != Fourcc("AVI ")) {
    Fail(QStringLiteral("ce n'est pas un fichier RIFF « AVI »"));
  }
  const uint32_t riffSize = U32(all, 4);
  if (riffSize < 4) Fail(QStringLiteral("taille RIFF %1 trop petite").arg(riffSize));
  if (riffSize > all.size() - 8) {
    Fail(QStringLiteral("la taille RIFF %1 dépasse les %2 octets présents")
             .arg(riffSize)
             .arg(all.size() - 8));
  }
  const TBytes riff = all.subspan(12, riffSize - 4);

  std::optional<TBytes> hdrl;
  std::optional<TBytes> movi;
  ForEachChunk(riff, QStringLiteral("AVI "), [&](uint32_t id, TBytes body) {
    const auto list = AsList(id, body);
    if (!list) return;
    if (list->Type == Fourcc("hdrl") && !hdrl) hdrl = list->Content;
    if (list->Type == Fourcc("movi") && !movi) movi = list->Content;
  });
  if (!hdrl) Fail(QStringLiteral("liste « hdrl » absente"));
  if (!movi) Fail(QStringLiteral("liste « movi » absente"));

  const THeaders headers = ReadHeaders(*hdrl);
  TFrameDecoder decoder(headers);
  ForEachChunk(*movi, QStringLiteral("movi"),
               [&](uint32_t id, TBytes body) { decoder.Visit(id, body); });

  TAviMovie movie;
  movie.Width = headers.Format.Width;
  movie.Height = headers.Format.Height;
  movie.MicroSecPerFrame = headers.MicroSecPerFrame;
  movie.Frames = decoder.TakeFrames();
  if (movie.Frames.empty()) Fail(QStringLiteral("aucune image dans « movi »"));
  if (movie.Frames.size() != headers.TotalFrames) {
    Fail(QStringLiteral("« avih » annonce %1 images, « movi » en contient %2")
             .arg(headers.TotalFrames)
             .arg(movie.Frames.size()));
  }
  return movie;
}
