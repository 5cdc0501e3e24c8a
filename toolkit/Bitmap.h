#pragma once

#include <QImage>
#include <QString>

#include "toolkit/Graphics.h"

// An off-screen picture. Pixels are always 32-bit RGB so that copies between bitmaps are plain
// pixel moves. A transparent bitmap is drawn with its TransparentColor as colour key. Sizes and
// coordinates are logical pixels; a bitmap of ratio 2 holds four pixels for each of them.
class TBitmap {
 public:
  TBitmap() = default;
  // White, at PictureRatio().
  TBitmap(int width, int height);
  explicit TBitmap(const QImage& image);

  // The bitmap resource of that name (BMP data), or at PictureRatio() 2 its twice-size twin (PNG);
  // throws EToolkitError when it is missing or cannot be read.
  static TBitmap FromResource(const QString& name);
  // The same from BMP bytes; `name` goes into the error. Data shorter than its header announces
  // is refused, where Qt's reader would make up the missing pixels.
  static TBitmap FromBmp(const QByteArray& bytes, const QString& name);

  int Width() const { return int(image_.width() / image_.devicePixelRatio()); }
  int Height() const { return int(image_.height() / image_.devicePixelRatio()); }
  bool Empty() const { return image_.isNull(); }
  void SetSize(int width, int height);

  // The colour at logical (x, y): the top-left of its device pixels.
  TColor Pixel(int x, int y) const;
  const QImage& Image() const { return image_; }
  QImage& Image() { return image_; }

  bool Transparent = false;
  TColor TransparentColor = 0;

 private:
  QImage image_;
};
