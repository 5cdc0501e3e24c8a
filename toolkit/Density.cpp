#include "toolkit/Density.h"

#include <QGuiApplication>
#include <climits>

#include "toolkit/Resources.h"

int PictureRatio() {
  // The application's ratio is the highest among its screens.
  return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

TDenseResource DenseResource(const QString& name) {
  if (PictureRatio() == 1) return {name, 1};
  const QString twin = QStringLiteral("2x/") + name;
  if (!Resources::Exists(twin)) return {name, 1};
  return {twin, 2};
}

void SetPictureRatio(TBitmap& picture, int ratio) {
  picture.Image().setDevicePixelRatio(ratio);
}

void SetPictureRatio(TAviMovie& movie, int ratio) {
  // The box and the frame's place in it are in logical pixels.
  movie.Width /= ratio;
  movie.Height /= ratio;
  for (QImage& frame : movie.Frames) frame.setDevicePixelRatio(ratio);
}

QSize DeviceSize(const QSize& size, qreal ratio) {
  return (QSizeF(size) * ratio).toSize();
}

QImage DenseImage(const QSize& size, qreal ratio) {
  // Past INT_MAX a size would wrap round to a small image.
  const QSizeF pixels = QSizeF(size) * ratio;
  if (pixels.width() > INT_MAX || pixels.height() > INT_MAX) return QImage();
  QImage image(DeviceSize(size, ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  return image;
}
