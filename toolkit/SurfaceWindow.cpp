#include "toolkit/SurfaceWindow.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/Density.h"
#include "toolkit/GraphicControl.h"

void TDrawnArea::Add(const QRect& rect) {
  if (rect.isEmpty()) return;
  for (int i = 0; i < count_; ++i) {
    QRect& kept = rects_[size_t(i)];
    if (kept.contains(rect)) return;
    // Two rectangles on the same rows that overlap or touch are exactly their union; likewise on
    // the same columns.
    const bool sameRows = kept.top() == rect.top() && kept.bottom() == rect.bottom() &&
                          rect.left() <= kept.right() + 1 && kept.left() <= rect.right() + 1;
    const bool sameColumns = kept.left() == rect.left() && kept.right() == rect.right() &&
                             rect.top() <= kept.bottom() + 1 && kept.top() <= rect.bottom() + 1;
    if (sameRows || sameColumns || rect.contains(kept)) {
      kept = kept.united(rect);
      return;
    }
  }
  if (count_ < Room) {
    rects_[size_t(count_++)] = rect;
    return;
  }
  rest_ += rect;
}

void TDrawnArea::Subtract(const QRegion& region) {
  const QRegion left = Region() - region;
  count_ = 0;
  rest_ = QRegion();
  for (const QRect& rect : left) Add(rect);
}

QRegion TDrawnArea::Region() const {
  QRegion region = rest_;
  for (int i = 0; i < count_; ++i) region += rects_[size_t(i)];
  return region;
}

TSurfaceWindow::TSurfaceWindow(QWidget* parent) : QWidget(parent), canvas_(surface_) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.OnChanged = [this](const QRect& rect) {
    if (repainting_) return;
    drawnSincePaint_.Add(rect);
    update(rect);
  };
}

void TSurfaceWindow::ShowDrawingNow() {
  if (!drawnSincePaint_.IsEmpty()) repaint(drawnSincePaint_.Region());
}

// A hidden window gets its resize event only when shown; drawing before that must not be lost.
// Handlers draw many times a tick, so only a new size refits here; paints also follow a change
// of pixel density.
TCanvas& TSurfaceWindow::Canvas() {
  if (size() != fittedSize_) FitSurface();
  return canvas_;
}

void TSurfaceWindow::FitSurface() {
  // The surface follows the screen's pixel density, so that what we draw at full density
  // (text) stays sharp on a high-density screen. It is never sparser than the pictures: between
  // 1 and 2 a tick then copies pixels without scaling or allocating, and the paint event scales
  // the surface down.
  const qreal ratio = std::max(devicePixelRatioF(), qreal(PictureRatio()));
  fittedSize_ = size();
  if (surface_.size() == DeviceSize(size(), ratio) && surface_.devicePixelRatio() == ratio) return;
  QImage fitted = DenseImage(size(), ratio);
  fitted.fill(Qt::black);
  QPainter(&fitted).drawImage(0, 0, surface_);
  surface_ = fitted;
}

void TSurfaceWindow::resizeEvent(QResizeEvent* event) {
  FitSurface();
  QWidget::resizeEvent(event);
}

void TSurfaceWindow::paintEvent(QPaintEvent* event) {
  FitSurface();
  const QRegion systemRegion = event->region() - drawnSincePaint_.Region();
  drawnSincePaint_.Subtract(event->region());
  if (!systemRegion.isEmpty()) {
    repainting_ = true;
    canvas_.SetClip(systemRegion);
    FormPaint();
    ComposePictures();
    canvas_.SetClip(QRegion());
    repainting_ = false;
  }
  QPainter painter(this);
  for (const QRect& rect : event->region()) DrawSurface(painter, rect, rect);
}

void TSurfaceWindow::DrawSurface(QPainter& painter, const QRect& to, const QRect& area) const {
  const qreal ratio = surface_.devicePixelRatio();
  painter.setRenderHint(QPainter::SmoothPixmapTransform,
                        ratio > painter.device()->devicePixelRatioF());
  painter.drawImage(QRectF(to), surface_,
                    QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void TSurfaceWindow::ComposePictures() {
  for (QObject* child : children()) {
    if (const auto* control = dynamic_cast<const TGraphicControl*>(child)) {
      control->ComposeOn(canvas_);
    }
  }
}
