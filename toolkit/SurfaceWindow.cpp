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

void TSurfaceWindow::resizeEvent(QResizeEvent* event) {
  QImage grown(size(), QImage::Format_RGB32);
  grown.fill(Qt::black);
  QPainter(&grown).drawImage(0, 0, surface_);
  surface_ = grown;
  QWidget::resizeEvent(event);
}

void TSurfaceWindow::paintEvent(QPaintEvent* event) {
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
