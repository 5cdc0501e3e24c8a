#include "toolkit/SurfaceWindow.h"

#include <QPaintEvent>
#include <QPainter>

#include "toolkit/Image.h"

TSurfaceWindow::TSurfaceWindow(QWidget* parent) : QWidget(parent), canvas_(surface_) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  canvas_.OnChanged = [this](const QRect& rect) {
    if (repainting_) return;
    drawnSincePaint_ += rect;
    update(rect);
  };
}

void TSurfaceWindow::ShowDrawingNow() {
  if (!drawnSincePaint_.isEmpty()) repaint(drawnSincePaint_);
}

TCanvas& TSurfaceWindow::Canvas() {
  FitSurface();
  return canvas_;
}

// A hidden window gets its resize event only when shown; drawing before that must not be lost.
void TSurfaceWindow::FitSurface() {
  if (surface_.size() == size()) return;
  QImage fitted(size(), QImage::Format_RGB32);
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
  const QRegion systemRegion = event->region() - drawnSincePaint_;
  drawnSincePaint_ -= event->region();
  if (!systemRegion.isEmpty()) {
    repainting_ = true;
    canvas_.SetClip(systemRegion);
    FormPaint();
    ComposePictures();
    canvas_.SetClip(QRegion());
    repainting_ = false;
  }
  QPainter painter(this);
  for (const QRect& rect : event->region()) painter.drawImage(rect, surface_, rect);
}

void TSurfaceWindow::ComposePictures() {
  for (QObject* child : children()) {
    auto* image = qobject_cast<TImage*>(child);
    if (!image || !image->isVisible() || image->Picture.Empty()) continue;
    canvas_.Draw(image->x(), image->y(), image->Picture);
  }
}
