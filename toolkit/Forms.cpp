#include "toolkit/Forms.h"

#include <QFont>
#include <QScreen>

void CenterOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QRect area = screen->geometry();
  window.move(area.left() + (area.width() - window.width()) / 2,
              area.top() + (area.height() - window.height()) / 2);
}

void SetFormFont(QWidget& window, const QString& family, int pixelHeight) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  window.setFont(font);
}
