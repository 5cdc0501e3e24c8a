#include "toolkit/Avi.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "toolkit/EToolkitError.h"
#include "toolkit/Riff.h"
#include "toolkit/Rle8.h"

namespace {

[[noreturn]] void Fail(const QString& what) {
  throw EToolkitError(QStringLiteral("AVI invalide : %1").arg(what).toStdString());
}

// Calls visit(id, body) for each chunk of a chunk list; a LIST chunk's body starts with its type.
template <class Visit>
void ForEachChunk(TBytes data, const QString& where, Visit&& visit) {
  TRiffWalk walk(data);
  while (const auto chunk = walk.Next()) visit(chunk->Id, chunk->Body);
  const TRiffFault& fault = walk.Fault();
  if (fault.Kind == TRiffFault::TKind::TruncatedHeader) {
    Fail(QStringLiteral("en-tête de bloc tronqué dans « %1 »").arg(where));
  }
  if (fault.Kind == TRiffFault::TKind::ChunkOverrun) {
    Fail(QStringLiteral("le bloc « %1 » de %2 octets dépasse la fin de « %3 »")
             .arg(FourccText(fault.Id))
             .arg(fault.Size)
             .arg(where));
  }
}

struct TList {
  uint32_t Type;
  TBytes Content;
};

std::optional<TList> AsList(uint32_t id, TBytes body) {
  if (id != Fourcc("LIST") && id != Fourcc("RIFF")) return std::nullopt;
  if (body.size() < 4) Fail(QStringLiteral("liste sans type"));
  return TList{ReadLe32(body, 0), body.subspan(4)};
}

struct TVideoFormat {
  int Width = 0;
  int Height = 0;
  bool Rle = false;
  std::vector<QRgb> Palette;
};

TVideoFormat ReadBitmapInfo(TBytes strf) {
  if (strf.size() < 40) Fail(QStringLiteral("« strf » trop court pour un BITMAPINFOHEADER"));
  const uint32_t headerSize = ReadLe32(strf, 0);
  if (headerSize < 40 || headerSize > strf.size()) {
    Fail(QStringLiteral("taille d'en-tête d'image %1 incohérente").arg(headerSize));
  }
  const auto width = int32_t(ReadLe32(strf, 4));
  const auto height = int32_t(ReadLe32(strf, 8));
  const uint16_t bitCount = ReadLe16(strf, 14);
  const uint32_t compression = ReadLe32(strf, 16);
  const uint32_t colorsUsed = ReadLe32(strf, 32);
  if (width < 1 || height < 1 || width > AviMaxSide || height > AviMaxSide) {
    Fail(QStringLiteral("dimensions %1×%2 hors de 1..%3").arg(width).arg(height).arg(AviMaxSide));
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
  // Every chunk of the list must fit, not only the two read here.
  ForEachChunk(strl, QStringLiteral("strl"), [](uint32_t, TBytes) {});
  const auto strh = FindRiffChunk(strl, Fourcc("strh"));
  const auto strf = FindRiffChunk(strl, Fourcc("strf"));
  if (!strh) Fail(QStringLiteral("flux %1 sans « strh »").arg(index));
  if (strh->size() < 36) Fail(QStringLiteral("« strh » du flux %1 trop court").arg(index));
  if (ReadLe32(*strh, 0) != Fourcc("vids") || headers.VideoStream >= 0) return;
  if (!strf) Fail(QStringLiteral("flux vidéo %1 sans « strf »").arg(index));
  headers.VideoStream = index;
  headers.Format = ReadBitmapInfo(*strf);
  const uint32_t scale = ReadLe32(*strh, 20);
  const uint32_t rate = ReadLe32(*strh, 24);
  if (scale != 0 && rate != 0) headers.StreamMicroSecPerFrame = int64_t(scale) * 1000000 / rate;
}

THeaders ReadHeaders(TBytes hdrl) {
  THeaders headers;
  int streams = 0;
  ForEachChunk(hdrl, QStringLiteral("hdrl"), [&](uint32_t id, TBytes body) {
    if (id == Fourcc("avih") && !headers.HaveMain) {
      if (body.size() < 40) Fail(QStringLiteral("« avih » trop court"));
      headers.HaveMain = true;
      headers.MicroSecPerFrame = ReadLe32(body, 0);
      headers.TotalFrames = ReadLe32(body, 16);
      headers.Width = ReadLe32(body, 32);
      headers.Height = ReadLe32(body, 36);
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
  if (headers.TotalFrames > uint32_t(AviMaxFrames)) {
    Fail(QStringLiteral("%1 images annoncées, au plus %2")
             .arg(headers.TotalFrames)
             .arg(AviMaxFrames));
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
    if (number > AviMaxFrames) Fail(QStringLiteral("plus de %1 images").arg(AviMaxFrames));
    const int64_t pixels = int64_t(format_.Width) * format_.Height;
    if (pixels * number > AviMaxTotalPixels) {
      Fail(QStringLiteral("l'animation dépasse %1 pixels au total").arg(AviMaxTotalPixels));
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

TAviMovie ReadAvi(const QByteArray& data) {
  const TBytes all = AsBytes(data);
  if (all.size() < 12)
    Fail(QStringLiteral("%1 octets, trop court pour un en-tête RIFF").arg(all.size()));
  if (ReadLe32(all, 0) != Fourcc("RIFF") || ReadLe32(all, 8) != Fourcc("AVI ")) {
    Fail(QStringLiteral("ce n'est pas un fichier RIFF « AVI »"));
  }
  const uint32_t riffSize = ReadLe32(all, 4);
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
