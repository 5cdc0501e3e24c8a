#include "toolkit/HintWindow.h"

#include <QImage>
#include <QPainter>

#include "toolkit/Canvas.h"

namespace {

constexpr int TextMargin = 2;

}  // namespace

THintWindow::THintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
}

void THintWindow::SetText(const QString& text) {
  text_ = text;
  update();
}

TRect THintWindow::CalcHintRect(const QString& text) const {
  QImage scratch(1, 1, QImage::Format_RGB32);
  TCanvas canvas(scratch);
  canvas.Font = Font;
  const QSize extent = canvas.TextExtent(text);
  return {0, 0, extent.width() + 2 * TextMargin + 4, extent.height() + 2 * TextMargin};
}

void THintWindow::ActivateHint(const TRect& rect, const QString& text) {
  SetText(text);
  setGeometry(rect.ToQRect());
  show();
}

void THintWindow::paintEvent(QPaintEvent*) {
  QImage image(size(), QImage::Format_RGB32);
  TCanvas canvas(image);
  canvas.Brush = {Color, TBrushStyle::Solid};
  canvas.FillRect({0, 0, width(), height()});
  canvas.Font = Font;
  canvas.Brush.Style = TBrushStyle::Clear;
  canvas.TextOut(TextMargin + 2, TextMargin, text_);
  QPainter(this).drawImage(0, 0, image);
}
