#include "toolkit/Image.h"

#include <QMouseEvent>
#include <QPainter>

#include "toolkit/Canvas.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/RunGuarded.h"
#include "toolkit/SurfaceWindow.h"

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPictureName(const QString& name) {
  pictureName_ = name;
  try {
    Picture = DecodeJpeg(Resources::Load(name));
  } catch (const EToolkitError& error) {
    // The decoder knows only bytes; the report must say which picture is damaged.
    throw EToolkitError(QStringLiteral("Image « %1 » : %2")
                            .arg(name, QString::fromStdString(error.what()))
                            .toStdString());
  }
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (qobject_cast<TSurfaceWindow*>(parentWidget())) return;
  QPainter(this).drawImage(0, 0, Picture.Image());
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
