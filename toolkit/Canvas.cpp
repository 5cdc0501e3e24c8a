#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
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
  const QRect sourceArea = source.rect().translated(to.topLeft() - sourceOrigin);
  if (target_.devicePixelRatio() != 1.0) {
    PaintPixels(to.intersected(sourceArea), source, sourceOrigin - to.topLeft(), keyed);
    Changed(to);
    return;
  }
  const QRgb key = keyed ? (ColorToQColor(keyed->TransparentColor).rgb() | 0xFF000000u) : 0;
  ForEachVisiblePart(to.intersected(sourceArea), [&](const QRect& part) {
    for (int y = part.top(); y <= part.bottom(); ++y) {
      const QRgb* from =
          reinterpret_cast<const QRgb*>(source.constScanLine(y - to.top() + sourceOrigin.y())) +
          (part.left() - to.left() + sourceOrigin.x());
      QRgb* into = reinterpret_cast<QRgb*>(target_.scanLine(y)) + part.left();
      if (!keyed) {
        std::copy(from, from + part.width(), into);
        continue;
      }
      // A select rather than a skipped store, so the compiler copies several pixels at a time.
      for (int x = 0; x < part.width(); ++x) {
        const QRgb pixel = from[x];
        into[x] = (pixel | 0xFF000000u) != key ? pixel : into[x];
      }
    }
  });
  Changed(to);
}

// On a high-density target each source pixel covers several target pixels: the painter scales
// without smoothing, so sprites stay crisp, and text drawn later gets the full density.
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
  QPainter painter(&target_);
  if (!clip_.isEmpty()) painter.setClipRegion(clip_);
  painter.drawImage(to, picture, to.translated(shift));
}

void TCanvas::CopyRect(const TRect& to, const TBitmap& bitmap, const TRect& from) {
  if (bitmap.Empty() || to.IsEmpty() || from.IsEmpty()) return;
  if (to.Width() == from.Width() && to.Height() == from.Height()) {
    // A source rectangle reaching outside the bitmap leaves those destination pixels alone.
    const QRect fromInside = from.ToQRect().intersected(bitmap.Image().rect());
    const QRect toInside = fromInside.translated(to.Left - from.Left, to.Top - from.Top);
    CopyPixels(toInside, bitmap.Image(), fromInside.topLeft(), nullptr);
    return;
  }
  QPainter painter(&target_);
  if (!clip_.isEmpty()) painter.setClipRegion(clip_);
  painter.drawImage(to.ToQRect(), bitmap.Image(), from.ToQRect());
  painter.end();
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
