#include "toolkit/ContextMenuKeys.h"

#include <QApplication>
#include <QCursor>
#include <QShortcut>

void AddContextMenuKeys(QWidget& window) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
  });
}

QPoint ContextMenuPoint(const QWidget& window, const QContextMenuEvent& event) {
  if (event.reason() != QContextMenuEvent::Keyboard) return event.globalPos();
  const QPoint pointer = QCursor::pos();
  if (window.rect().contains(window.mapFromGlobal(pointer))) return pointer;
  const QWidget* focused = window.focusWidget();
  if (focused && focused->isVisible()) return focused->mapToGlobal(focused->rect().center());
  return window.mapToGlobal(window.rect().center());
}
