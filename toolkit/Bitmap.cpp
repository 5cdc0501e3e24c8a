#include "toolkit/Bitmap.h"

#include <cstdlib>

#include "toolkit/Density.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/LittleEndian.h"
#include "toolkit/QtDecode.h"
#include "toolkit/Resources.h"

namespace {

QImage ToRgb32(const QImage& image) {
  return image.format() == QImage::Format_RGB32 ? image
                                                : image.convertToFormat(QImage::Format_RGB32);
}

// The file holds the size its header announces, and the pixels of an uncompressed picture.
bool Complete(const QByteArray& file) {
  if (file.size() < 54 || !file.startsWith("BM")) return false;
  const TBytes bytes = AsBytes(file);
  if (ReadLe32(bytes, 2) > bytes.size()) return false;
  const uint64_t offset = ReadLe32(bytes, 10);
  const auto width = int32_t(ReadLe32(bytes, 18));
  const auto height = int32_t(ReadLe32(bytes, 22));
  const uint32_t bits = ReadLe16(bytes, 28);
  if (ReadLe32(bytes, 30) != 0) return true;  // compressed: the reader checks its own runs
  const uint64_t stride = (uint64_t(std::abs(int64_t(width))) * bits + 31) / 32 * 4;
  return offset + stride * uint64_t(std::abs(int64_t(height))) <= bytes.size();
}

}  // namespace

TBitmap::TBitmap(int width, int height) {
  SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image) : image_(ToRgb32(image)) {}

TBitmap TBitmap::FromResource(const QString& name) {
  return ReadDensePicture(name, [](const TDenseResource& dense) {
    const Resources::TReading reading(dense.Name);
    if (dense.Ratio == 1) return FromBmp(reading.Bytes(), dense.Name);
    const QImage image = DecodeWithQt(reading.Bytes(), "PNG");
    if (image.isNull()) {
      throw EToolkitError(QStringLiteral("Bitmap illisible : %1").arg(dense.Name).toStdString());
    }
    return TBitmap(image);
  });
}

TBitmap TBitmap::FromBmp(const QByteArray& bytes, const QString& name) {
  const QImage image = Complete(bytes) ? DecodeWithQt(bytes, "BMP") : QImage();
  if (image.isNull()) {
    throw EToolkitError(QStringLiteral("Bitmap illisible : %1").arg(name).toStdString());
  }
  return TBitmap(image);
}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    image_ = QImage();
    return;
  }
  // At the pictures' density, so that copying a picture's pixels here needs no scaling.
  image_ = DenseImage({width, height}, PictureRatio());
  if (image_.isNull()) throw EToolkitError("Mémoire insuffisante pour un bitmap");
  image_.fill(Qt::white);
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const qreal ratio = image_.devicePixelRatio();
  return QColorToColor(QColor::fromRgb(image_.pixel(int(x * ratio), int(y * ratio))));
}
