#pragma once

#include <QImage>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QString>
#include <functional>

#include "toolkit/Bitmap.h"
#include "toolkit/Graphics.h"

// Drawing onto a 32-bit image: a bitmap's own pixels or a window's surface, in logical pixels
// whatever the image's density. Parts of a rectangle that fall outside the source or the target
// are ignored. After each operation OnChanged is told
// which part of the target changed, so a window can show it.
class TCanvas {
 public:
  explicit TCanvas(QImage& target);
  explicit TCanvas(TBitmap& bitmap) : TCanvas(bitmap.Image()) {}

  TFont Font;
  TBrush Brush;
  std::function<void(const QRect&)> OnChanged;

  // Limits every operation to this region; an empty region means no limit.
  void SetClip(const QRegion& region) { clip_ = region; }

  // Plain opaque copy of source rectangle `from` of `bitmap` onto `to`, stretched when the sizes
  // differ.
  void CopyRect(const TRect& to, const TBitmap& bitmap, const TRect& from);
  // The whole bitmap at (x, y); a transparent bitmap leaves the pixels of its key colour out.
  void Draw(int x, int y, const TBitmap& bitmap);
  void FillRect(const TRect& rect);
  // Text with the top-left of its cell at (x, y); a solid brush fills the cell first.
  void TextOut(int x, int y, const QString& text);
  QSize TextExtent(const QString& text) const;

 private:
  void CopyPixels(const QRect& to, const QImage& source, QPoint sourceOrigin, const TBitmap* keyed);
  void PaintPixels(const QRect& to, const QImage& source, QPoint shift, const TBitmap* keyed);
  // `from` in the source's logical pixels.
  void PaintImage(const QRectF& to, const QImage& source, const QRectF& from);
  QRect LogicalRect() const;
  template <class Visit>
  void ForEachVisiblePart(const QRect& rect, Visit visit) const;
  void Changed(const QRect& rect);

  QImage& target_;
  QRegion clip_;
};
