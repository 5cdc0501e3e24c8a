#include "toolkit/HintWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QWindow>

#include "toolkit/Canvas.h"
#include "toolkit/Density.h"
#include "toolkit/RunGuarded.h"

namespace {

constexpr int TextMargin = 2;

// Wayland turns a window's shape into its input region only, and lets no window place itself:
// there the window draws its shape with transparency and hangs from the main window as a popup.
bool NativeWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

THintWindow::THintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  if (NativeWayland()) setAttribute(Qt::WA_TranslucentBackground);
}

QPoint THintWindow::HintPoint() const {
  return hintPoint_ ? *hintPoint_ : QCursor::pos();
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

void THintWindow::ShowShaped(const QRect& geometry, const QRegion& shape, const QWidget* anchor) {
  shape_ = shape;
  shaped_ = true;
  if (!NativeWayland()) {
    setGeometry(geometry);
    setMask(shape);
    update();
    show();
    return;
  }
  // A shown popup keeps its place: it is shown afresh at the new one.
  hide();
  setGeometry(geometry);
  create();
  if (anchor && anchor->windowHandle()) windowHandle()->setTransientParent(anchor->windowHandle());
  show();
  // An input region outside the window lets the pointer through all of it. It is cleared first
  // because the platform ignores a region equal to the last one, even on a new surface.
  windowHandle()->setMask(QRegion());
  windowHandle()->setMask(QRegion(-1, -1, 1, 1));
}

bool THintWindow::Paint(TCanvas& canvas) {
  canvas.Brush = {Color, TBrushStyle::Solid};
  canvas.FillRect({0, 0, width(), height()});
  canvas.Font = Font;
  canvas.Brush.Style = TBrushStyle::Clear;
  canvas.TextOut(TextMargin + 2, TextMargin, text_);
  return true;
}

// Drawn into an image first, as the canvas draws, then put on the window in one go; the image has
// the window's density, so the text is drawn at the screen's resolution.
void THintWindow::paintEvent(QPaintEvent*) {
  QImage picture = DenseImage(size(), devicePixelRatioF());
  TCanvas canvas(picture);
  bool painted = true;
  RunGuarded([&] { painted = Paint(canvas); });
  if (!painted) return;
  QPainter painter(this);
  if (shaped_ && NativeWayland()) {
    // The buffer may still hold an earlier hint: all of it outside the shape is cleared.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setClipRegion(shape_);
  }
  painter.drawImage(0, 0, picture);
}
