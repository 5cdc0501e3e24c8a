#include "toolkit/SpeedButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "toolkit/FocusCues.h"
#include "toolkit/RunGuarded.h"

TSpeedButton::TSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  FocusCues::Watch();
  connect(this, &QAbstractButton::clicked, this, [this] {
    if (OnClick) RunGuarded(OnClick);
  });
}

void TSpeedButton::enterEvent(QEnterEvent* event) {
  update();
  QAbstractButton::enterEvent(event);
}

void TSpeedButton::leaveEvent(QEvent* event) {
  update();
  QAbstractButton::leaveEvent(event);
}

void TSpeedButton::keyPressEvent(QKeyEvent* event) {
  // Space is the button's own; Return clicks as it does in a dialog.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isEnabled()) {
    event->accept();
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void TSpeedButton::paintEvent(QPaintEvent*) {
  if (!isEnabled()) return;
  QPainter painter(this);
  const QRect r = rect().adjusted(0, 0, -1, -1);
  if (FocusCues::Shown(*this)) {
    // Inverted dots show on any picture under the hotspot.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(r.adjusted(1, 1, -1, -1));
    painter.restore();
  }
  if (!underMouse() && !isDown()) return;
  const bool sunken = isDown();
  const QColor light(255, 255, 255);
  const QColor dark(128, 128, 128);
  painter.setPen(sunken ? dark : light);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(sunken ? light : dark);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}
