#include "toolkit/Image.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/Canvas.h"
#include "toolkit/Density.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/RunGuarded.h"
#include "toolkit/SurfaceWindow.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPictureName(const QString& name) {
  pictureName_ = name;
  Picture = ReadDensePicture(name, [](const TDenseResource& dense) {
    return Resources::Decode(dense.Name, QStringLiteral("Image"), DecodeJpeg);
  });
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (qobject_cast<TSurfaceWindow*>(parentWidget())) return;
  QPainter painter(this);
  // A 2× picture on a screen of ratio 1.5 is scaled down, smoothly.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(0, 0, Picture.Image());
}

void TImage::ComposeOn(TCanvas& canvas) const {
  if (isVisible() && !Picture.Empty()) canvas.Draw(x(), y(), Picture);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  pressed_ = OnClick && event->button() == Qt::LeftButton;
  if (!pressed_) event->ignore();
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) RunGuarded(OnClick);
  if (!click) event->ignore();
}
