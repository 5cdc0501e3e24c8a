#include "toolkit/Image.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/Application.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/SurfaceWindow.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPictureName(const QString& name) {
  pictureName_ = name;
  Picture = DecodeJpeg(Resources::Load(name));
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (qobject_cast<TSurfaceWindow*>(parentWidget())) return;
  QPainter(this).drawImage(0, 0, Picture.Image());
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
