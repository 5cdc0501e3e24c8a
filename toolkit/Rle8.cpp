#include "toolkit/Rle8.h"

#include <QString>
#include <cstring>

#include "toolkit/EToolkitError.h"

namespace {

[[noreturn]] void FailRle(const QString& what) {
  throw EToolkitError(QStringLiteral("RLE8 : %1").arg(what).toStdString());
}

// Reads one frame's codes, two bytes at a time, keeping the position in the data and the image.
class TRle8Reader {
 public:
  TRle8Reader(std::span<const uint8_t> data, int width, int height, int paletteSize,
              std::vector<uint8_t>& indices)
      : data_(data), width_(width), height_(height), paletteSize_(paletteSize), indices_(indices) {}

  // Applies the codes up to the end-of-bitmap code.
  void Read() {
    for (;;) {
      if (pos_ >= data_.size()) FailRle(QStringLiteral("pas de marque de fin d'image"));
      Need(2);
      const uint8_t count = data_[pos_];
      const uint8_t code = data_[pos_ + 1];
      pos_ += 2;
      if (count > 0) {
        Repeat(count, code);
      } else if (code == 0) {
        EndLine();
      } else if (code == 1) {
        return;
      } else if (code == 2) {
        Skip();
      } else {
        CopyAbsolute(code);
      }
    }
  }

 private:
  void Need(size_t count) const {
    if (data_.size() - pos_ < count)
      FailRle(QStringLiteral("données tronquées à l'octet %1").arg(pos_));
  }

  void CheckColour(uint8_t value) const {
    if (value >= paletteSize_) {
      FailRle(QStringLiteral("couleur %1 hors de la palette de %2").arg(value).arg(paletteSize_));
    }
  }

  uint8_t* Target() { return &indices_[size_t(y_) * size_t(width_) + size_t(x_)]; }

  void Repeat(int count, uint8_t colour) {
    if (y_ >= height_ || count > width_ - x_) {
      FailRle(
          QStringLiteral("une suite de %1 pixels déborde en (%2, %3)").arg(count).arg(x_).arg(y_));
    }
    CheckColour(colour);
    std::memset(Target(), colour, size_t(count));
    x_ += count;
  }

  void EndLine() {
    if (y_ >= height_) FailRle(QStringLiteral("fin de ligne au-delà de la dernière ligne"));
    x_ = 0;
    ++y_;
  }

  // A delta: the skipped pixels keep the previous frame's value.
  void Skip() {
    Need(2);
    const int dx = data_[pos_];
    const int dy = data_[pos_ + 1];
    pos_ += 2;
    if (dx > width_ - x_ || dy > height_ - y_) {
      FailRle(QStringLiteral("déplacement (%1, %2) hors de l'image depuis (%3, %4)")
                  .arg(dx)
                  .arg(dy)
                  .arg(x_)
                  .arg(y_));
    }
    x_ += dx;
    y_ += dy;
  }

  // Pixels given one by one, padded to a 16-bit boundary.
  void CopyAbsolute(int length) {
    const size_t padded = size_t(length + (length & 1));
    Need(padded);
    if (y_ >= height_ || length > width_ - x_) {
      FailRle(QStringLiteral("une suite absolue de %1 pixels déborde en (%2, %3)")
                  .arg(length)
                  .arg(x_)
                  .arg(y_));
    }
    uint8_t* target = Target();
    for (int i = 0; i < length; ++i) {
      CheckColour(data_[pos_ + size_t(i)]);
      target[i] = data_[pos_ + size_t(i)];
    }
    pos_ += padded;
    x_ += length;
  }

  std::span<const uint8_t> data_;
  int width_;
  int height_;
  int paletteSize_;
  std::vector<uint8_t>& indices_;
  size_t pos_ = 0;
  int x_ = 0;
  int y_ = 0;
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
  TRle8Reader(data, width, height, paletteSize, indices).Read();
}
