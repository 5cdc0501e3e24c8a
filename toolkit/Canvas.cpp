#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style) {
  static constexpr std::pair<TBrushStyle, Qt::BrushStyle> Styles[] = {
      {TBrushStyle::Solid, Qt::SolidPattern},     {TBrushStyle::Clear, Qt::NoBrush},
      {TBrushStyle::Horizontal, Qt::HorPattern},  {TBrushStyle::Vertical, Qt::VerPattern},
      {TBrushStyle::FDiagonal, Qt::FDiagPattern}, {TBrushStyle::BDiagonal, Qt::BDiagPattern},
      {TBrushStyle::Cross, Qt::CrossPattern},     {TBrushStyle::DiagCross, Qt::DiagCrossPattern},
  };
  for (const auto& [ours, qts] : Styles) {
    if (ours == style) return qts;
  }
  return Qt::SolidPattern;
}

// The whole number of device pixels per logical pixel both images have; 0 when they differ or it
// is fractional, and a painter must scale.
int SharedWholeRatio(const QImage& a, const QImage& b) {
  const qreal ratio = a.devicePixelRatio();
  if (ratio != b.devicePixelRatio() || ratio != std::floor(ratio)) return 0;
  return int(ratio);
}

// A select rather than a skipped store, and rows that cannot overlap, so the compiler copies
// several pixels at a time.
void CopyKeyedRow(const QRgb* __restrict from, QRgb* __restrict into, int width, QRgb key) {
  for (int x = 0; x < width; ++x) {
    const QRgb pixel = from[x];
    into[x] = (pixel | 0xFF000000u) != key ? pixel : into[x];
  }
}

// Whole logical pixels only, so that a copy never reads past the image's last device pixel.
QSize LogicalSize(const QImage& image, int ratio) {
  return QSize(image.width() / ratio, image.height() / ratio);
}

}  // namespace

TCanvas::TCanvas(QImage& target) : target_(target) {}

QRect TCanvas::LogicalRect() const {
  return QRect(QPoint(0, 0), target_.deviceIndependentSize().toSize());
}

template <class Visit>
void TCanvas::ForEachVisiblePart(const QRect& rect, Visit visit) const {
  const QRect inside = rect.intersected(LogicalRect());
  if (inside.isEmpty()) return;
  // The common case, no clip, must not build a region: it runs for every sprite of every tick.
  if (clip_.isEmpty()) {
    visit(inside);
    return;
  }
  for (const QRect& part : QRegion(inside).intersected(clip_)) visit(part);
}

void TCanvas::Changed(const QRect& rect) {
  const QRect visible = rect.intersected(LogicalRect());
  if (OnChanged && !visible.isEmpty()) OnChanged(visible);
}

void TCanvas::CopyPixels(const QRect& to, const QImage& source, QPoint sourceOrigin,
                         const TBitmap* keyed) {
  // Only the part of `to` whose source pixels exist is touched.
  const int ratio = SharedWholeRatio(target_, source);
  const QRect sourceArea = QRect(QPoint(0, 0), LogicalSize(source, std::max(ratio, 1)))
                               .translated(to.topLeft() - sourceOrigin);
  if (ratio == 0) {
    PaintPixels(to.intersected(sourceArea), source, sourceOrigin - to.topLeft(), keyed);
    Changed(to);
    return;
  }
  const QRgb key = keyed ? (ColorToQColor(keyed->TransparentColor).rgb() | 0xFF000000u) : 0;
  const QPoint shift = (sourceOrigin - to.topLeft()) * ratio;
  ForEachVisiblePart(to.intersected(sourceArea), [&](const QRect& part) {
    // In device pixels from here on; the rows are found once, not per line (each scanLine()
    // call checks whether the image must be detached).
    const QRect area(part.topLeft() * ratio, part.size() * ratio);
    const uchar* fromRow =
        source.constBits() + qsizetype(area.top() + shift.y()) * source.bytesPerLine();
    uchar* intoRow = target_.bits() + qsizetype(area.top()) * target_.bytesPerLine();
    for (int y = 0; y < area.height(); ++y) {
      const QRgb* from = reinterpret_cast<const QRgb*>(fromRow) + (area.left() + shift.x());
      QRgb* into = reinterpret_cast<QRgb*>(intoRow) + area.left();
      fromRow += source.bytesPerLine();
      intoRow += target_.bytesPerLine();
      if (keyed) {
        CopyKeyedRow(from, into, area.width(), key);
      } else {
        std::copy(from, from + area.width(), into);
      }
    }
  });
  Changed(to);
}

// Between densities a painter scales: a denser source is scaled down smoothly, a sparser one up
// without smoothing, so sprites stay crisp.
void TCanvas::PaintPixels(const QRect& to, const QImage& source, QPoint shift,
                          const TBitmap* keyed) {
  if (to.isEmpty()) return;
  QImage picture = source;
  if (keyed) {
    picture = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ColorToQColor(keyed->TransparentColor).rgb() | 0xFF000000u;
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        if ((line[x] | 0xFF000000u) == key) line[x] = 0;
      }
    }
  }
  PaintImage(QRectF(to), picture, QRectF(to.translated(shift)));
}

void TCanvas::PaintImage(const QRectF& to, const QImage& source, const QRectF& from) {
  const qreal ratio = source.devicePixelRatio();
  QPainter painter(&target_);
  if (!clip_.isEmpty()) painter.setClipRegion(clip_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio > target_.devicePixelRatio());
  painter.drawImage(to, source, QRectF(from.topLeft() * ratio, from.size() * ratio));
}

void TCanvas::CopyRect(const TRect& to, const TBitmap& bitmap, const TRect& from) {
  if (bitmap.Empty() || to.IsEmpty() || from.IsEmpty()) return;
  if (to.Width() == from.Width() && to.Height() == from.Height()) {
    // A source rectangle reaching outside the bitmap leaves those destination pixels alone.
    const QRect fromInside =
        from.ToQRect().intersected(QRect(0, 0, bitmap.Width(), bitmap.Height()));
    const QRect toInside = fromInside.translated(to.Left - from.Left, to.Top - from.Top);
    CopyPixels(toInside, bitmap.Image(), fromInside.topLeft(), nullptr);
    return;
  }
  PaintImage(QRectF(to.ToQRect()), bitmap.Image(), QRectF(from.ToQRect()));
  Changed(to.ToQRect());
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  CopyPixels(QRect(x, y, bitmap.Width(), bitmap.Height()), bitmap.Image(), QPoint(0, 0),
             bitmap.Transparent ? &bitmap : nullptr);
}

void TCanvas::FillRect(const TRect& rect) {
  if (rect.IsEmpty() || Brush.Style == TBrushStyle::Clear) return;
  QPainter painter(&target_);
  if (!clip_.isEmpty()) painter.setClipRegion(clip_);
  painter.fillRect(rect.ToQRect(), QBrush(ColorToQColor(Brush.Color), ToQtBrushStyle(Brush.Style)));
  painter.end();
  Changed(rect.ToQRect());
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  const QFont font = Font.ToQFont();
  const QFontMetrics metrics(font);
  const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
  QPainter painter(&target_);
  if (!clip_.isEmpty()) painter.setClipRegion(clip_);
  if (Brush.Style != TBrushStyle::Clear) {
    painter.fillRect(cell, QBrush(ColorToQColor(Brush.Color), ToQtBrushStyle(Brush.Style)));
  }
  painter.setFont(font);
  painter.setPen(ColorToQColor(Font.Color()));
  painter.drawText(QPoint(x, y + metrics.ascent()), text);
  painter.end();
  Changed(cell);
}

QSize TCanvas::TextExtent(const QString& text) const {
  const QFontMetrics metrics(Font.ToQFont());
  return QSize(metrics.horizontalAdvance(text), metrics.height());
}
