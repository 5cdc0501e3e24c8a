#include "toolkit/Bitmap.h"

#include "toolkit/EToolkitError.h"
#include "toolkit/Resources.h"

namespace {

QImage ToRgb32(const QImage& image) {
  return image.format() == QImage::Format_RGB32 ? image
                                                : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TBitmap::TBitmap(int width, int height) {
  SetSize(width, height);
}

TBitmap::TBitmap(const QImage& image) : image_(ToRgb32(image)) {}

TBitmap TBitmap::FromResource(const QString& name) {
  QImage image;
  if (!image.loadFromData(Resources::Load(name), "BMP")) {
    throw EToolkitError(QStringLiteral("Bitmap illisible : %1").arg(name).toStdString());
  }
  return TBitmap(image);
}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    image_ = QImage();
    return;
  }
  image_ = QImage(width, height, QImage::Format_RGB32);
  if (image_.isNull()) throw EToolkitError("Mémoire insuffisante pour un bitmap");
  image_.fill(Qt::white);
}

TColor TBitmap::Pixel(int x, int y) const {
  if (!image_.valid(x, y)) return 0;
  return QColorToColor(QColor::fromRgb(image_.pixel(x, y)));
}
