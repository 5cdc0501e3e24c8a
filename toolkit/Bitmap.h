#pragma once

#include <QImage>
#include <QString>

#include "toolkit/Graphics.h"

// An off-screen picture. Pixels are always 32-bit RGB so that copies between bitmaps are plain
// pixel moves. A transparent bitmap is drawn with its TransparentColor as colour key.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height);
  explicit TBitmap(const QImage& image);

  // The bitmap resource of that name (BMP data); throws EToolkitError when it is missing or
  // cannot be read.
  static TBitmap FromResource(const QString& name);
  // The same from BMP bytes; `name` goes into the error. Data shorter than its header announces
  // is refused, where Qt's reader would make up the missing pixels.
  static TBitmap FromBmp(const QByteArray& bytes, const QString& name);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  bool Empty() const { return image_.isNull(); }
  void SetSize(int width, int height);

  TColor Pixel(int x, int y) const;
  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

  bool Transparent = false;
  TColor TransparentColor = 0;

 private:
  QImage image_;
};
