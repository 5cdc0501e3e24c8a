#include "toolkit/Image.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "toolkit/Canvas.h"
#include "toolkit/Density.h"
#include "toolkit/Jpeg.h"
#include "toolkit/Resources.h"
#include "toolkit/RunGuarded.h"
#include "toolkit/SurfaceWindow.h"
#include "toolkit/Translation.h"
#include "toolkit/WorkAhead.h"

namespace {

TBitmap ReadJpeg(const QString& name) {
  return ReadDensePicture(name, [](const TDenseResource& dense) {
    return Resources::Decode(dense.Name, QStringLiteral("Image"), DecodeJpeg);
  });
}

}  // namespace

TImage::TImage(QWidget* parent) : QWidget(parent) {}

// The picture drawn with the words of the game's language, in the folder named after it; the
// source language's own, with one line on the terminal, when that one is missing or damaged, so
// that a broken translation never leaves a blank picture.
TBitmap TImage::ReadPicture(const QString& name) {
  const QString language = Translation::Language();
  if (language.isEmpty()) return ReadJpeg(name);
  try {
    return ReadJpeg(language + u'/' + name);
  } catch (const EToolkitError& error) {
    // Said once, by the reader that shows it, not by one reading ahead.
    if (!WorkAhead::Keeping()) {
      const QString line = Translation::Text(
          "TImage", QT_TRANSLATE_NOOP("TImage", "%1 : %2 ; l'image en français à la place"));
      std::fprintf(stderr, "%s\n",
                   qPrintable(line.arg(QCoreApplication::applicationName(),
                                       QString::fromStdString(error.what()))));
    }
    return ReadJpeg(name);
  }
}

void TImage::SetPictureName(const QString& name) {
  pictureName_ = name;
  Picture = ReadPicture(name);
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
