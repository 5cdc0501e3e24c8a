#include "toolkit/FocusCues.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace {

class TInputWatcher : public QObject {
 public:
  bool keyboard = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
      Set(true);
    } else if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      Set(false);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Set(bool on) {
    if (on == keyboard) return;
    keyboard = on;
    if (QWidget* focused = QApplication::focusWidget()) focused->update();
  }
};

// One for the application, owned by it.
QPointer<TInputWatcher>& Watcher() {
  static QPointer<TInputWatcher> watcher;
  return watcher;
}

}  // namespace

void FocusCues::Watch() {
  if (Watcher() || !qApp) return;
  Watcher() = new TInputWatcher;
  Watcher()->setParent(qApp);
  qApp->installEventFilter(Watcher());
}

bool FocusCues::KeyboardInUse() {
  return Watcher() && Watcher()->keyboard;
}

bool FocusCues::Shown(const QWidget& widget) {
  return widget.hasFocus() && KeyboardInUse();
}

bool FocusCues::FromKeyboard(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

void FocusCues::InvertDottedOutline(QImage& image, const QRect& rect) {
  const QRect r = rect.intersected(image.rect());
  if (r.isEmpty()) return;
  auto invert = [&image](int x, int y) {
    if ((x + y) % 2 != 0) return;
    QRgb* pixel = reinterpret_cast<QRgb*>(image.scanLine(y)) + x;
    *pixel ^= 0x00FFFFFFu;
  };
  for (int x = r.left(); x <= r.right(); ++x) {
    invert(x, r.top());
    if (r.bottom() != r.top()) invert(x, r.bottom());
  }
  for (int y = r.top() + 1; y < r.bottom(); ++y) {
    invert(r.left(), y);
    if (r.right() != r.left()) invert(r.right(), y);
  }
}
