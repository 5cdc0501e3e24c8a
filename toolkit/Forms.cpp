#include "toolkit/Forms.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

void CenterOnScreen(QWidget& window) {
  // The player looks where the pointer is.
  const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
  if (!screen) screen = window.screen();
  if (!screen) return;
  const QRect area = screen->geometry();
  window.move(area.left() + (area.width() - window.width()) / 2,
              area.top() + (area.height() - window.height()) / 2);
}

QFont PixelFont(const QString& family, int pixelHeight, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

void SetFormFont(QWidget& window, const QString& family, int pixelHeight) {
  window.setFont(PixelFont(family, pixelHeight));
}

void SetTextColor(QLabel& label, TColor color) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, ColorToQColor(color));
  label.setPalette(palette);
}
