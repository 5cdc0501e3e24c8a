#include "toolkit/HintMachinery.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>

#include "toolkit/FocusCues.h"
#include "toolkit/RunGuarded.h"

namespace {

// Below the cursor's hot spot, clear of the arrow.
constexpr int CursorHeight = 20;

}  // namespace

THintMachinery::THintMachinery()
    : hintWindowClass_([] { return std::make_unique<THintWindow>(); }) {
  for (QTimer* timer : {&showTimer_, &hideTimer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(&showTimer_, &QTimer::timeout, this, &THintMachinery::ShowPendingHint);
  // The control keeps its place, so its hint only comes back once the mouse has left it.
  connect(&hideTimer_, &QTimer::timeout, this, &THintMachinery::HideHint);
  window_ = hintWindowClass_();
  qApp->installEventFilter(this);
}

THintMachinery::~THintMachinery() {
  if (qApp) qApp->removeEventFilter(this);
}

void THintMachinery::SetShowHint(bool on) {
  if (on == showHint_) return;
  showHint_ = on;
  if (on) {
    window_ = hintWindowClass_ ? hintWindowClass_() : nullptr;
  } else {
    CancelHint();
    window_.reset();
  }
}

void THintMachinery::SetHintWindowClass(THintWindowClass hintWindowClass) {
  hintWindowClass_ = std::move(hintWindowClass);
}

QString THintMachinery::ShortHint(const QWidget* control) {
  if (!control || !control->property("ShowHint").toBool()) return {};
  const QString hint = control->toolTip();
  return hint.left(hint.indexOf(QLatin1Char('|')));
}

QWidget* THintMachinery::HintControlAt(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (w->toolTip().isEmpty()) continue;
    return ShortHint(w).isEmpty() ? nullptr : w;
  }
  return nullptr;
}

void THintMachinery::HideHint() {
  hideTimer_.stop();
  if (window_) window_->hide();
  shown_ = false;
}

void THintMachinery::CancelHint() {
  HideHint();
  showTimer_.stop();
  control_ = nullptr;
  byKeyboard_ = false;
}

void THintMachinery::ShowPendingHint() {
  showTimer_.stop();
  if (!showHint_ || !window_ || !control_ || !control_->isVisible()) return;
  const QString text = ShortHint(control_);
  if (text.isEmpty()) return;
  const QPoint cursor =
      byKeyboard_ ? control_->mapToGlobal(control_->rect().center()) : QCursor::pos();
  window_->SetHintPoint(byKeyboard_ ? std::optional<QPoint>(cursor) : std::nullopt);
  TRect rect = window_->CalcHintRect(text);
  rect = {cursor.x(), cursor.y() + CursorHeight, cursor.x() + rect.Width(),
          cursor.y() + CursorHeight + rect.Height()};
  RunGuarded([&] { window_->ActivateHint(rect, text); });
  shown_ = window_->isVisible();
  if (shown_ && hintHidePause_ > 0) hideTimer_.start(hintHidePause_);
}

void THintMachinery::MouseOver(QWidget* widget) {
  QWidget* control = HintControlAt(widget);
  if (control == control_) return;
  const bool moveOn = shown_ || moveOnPending_;
  moveOnPending_ = false;
  HideHint();
  showTimer_.stop();
  control_ = control;
  byKeyboard_ = false;
  if (control) showTimer_.start(moveOn ? ShortPause : hintPause_);
}

void THintMachinery::FocusedByKeyboard(QWidget* widget) {
  QWidget* control = ShortHint(widget).isEmpty() ? nullptr : widget;
  CancelHint();
  if (!control) return;
  control_ = control;
  byKeyboard_ = true;
  showTimer_.start(hintPause_);
}

void THintMachinery::MouseLeft(QWidget* widget) {
  if (!control_ || widget != control_) return;
  moveOnPending_ = shown_;
  CancelHint();
  // Qt delivers the Enter of the next control in the same dispatch as this Leave; anything
  // later is a fresh approach and waits the full delay.
  if (moveOnPending_) QTimer::singleShot(0, this, [this] { moveOnPending_ = false; });
}

bool THintMachinery::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      return true;  // the application's hints replace Qt's tooltips
    case QEvent::FocusIn:
      if (watched->isWidgetType() &&
          FocusCues::FromKeyboard(static_cast<QFocusEvent*>(event)->reason())) {
        FocusedByKeyboard(static_cast<QWidget*>(watched));
      }
      return false;
    case QEvent::FocusOut:
      if (byKeyboard_ && watched == control_) CancelHint();
      return false;
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      break;
    default:
      return false;
  }
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (qobject_cast<THintWindow*>(widget->window())) return false;
  switch (event->type()) {
    case QEvent::Enter:
      MouseOver(widget);
      break;
    case QEvent::Leave:
      MouseLeft(widget);
      break;
    case QEvent::MouseMove: {
      // An unused move travels up to the parents; each must find the same control.
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      QWidget* under = widget->childAt(at);
      MouseOver(under ? under : widget);
      break;
    }
    default:
      // A click closes the hint; it comes back only after the mouse has left the control.
      HideHint();
      showTimer_.stop();
      break;
  }
  return false;
}
