#include "toolkit/Rle8.h"

#include <QString>
#include <cstring>

#include "toolkit/EToolkitError.h"

namespace {

[[noreturn]] void FailRle(const QString& what) {
  throw EToolkitError(QStringLiteral("RLE8 : %1").arg(what).toStdString());
}

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
