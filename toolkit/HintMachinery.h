#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "toolkit/HintWindow.h"

// Makes the hint window of the kind the application currently uses.
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

// Shows a control's hint after the mouse has rested on it and hides it again. A control's hint
// text is its toolTip(); its hint is enabled by the dynamic property "ShowHint". Watches the
// whole application's mouse events and keeps Qt's own tooltips from ever showing. A control that
// the keyboard gives the focus to shows its hint too, after the same delay, hanging from the
// control instead of the cursor.
class THintMachinery : public QObject {
  Q_OBJECT

 public:
  static constexpr int DefaultHintPause = 500;
  static constexpr int DefaultHintHidePause = 2500;
  static constexpr int ShortPause = 50;

  THintMachinery();
  ~THintMachinery() override;

  bool ShowHint() const { return showHint_; }
  // Off destroys the hint window; on creates one of the current class.
  void SetShowHint(bool on);
  // Takes effect the next time hints are switched on.
  void SetHintWindowClass(THintWindowClass hintWindowClass);
  THintWindow* HintWindow() const { return window_.get(); }

  int HintPause() const { return hintPause_; }
  void SetHintPause(int milliseconds) { hintPause_ = milliseconds; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int milliseconds) { hintHidePause_ = milliseconds; }

  // The text a control's hint shows (the part before the first "|"); empty when the control
  // has no enabled hint.
  static QString ShortHint(const QWidget* control);
  // The control whose hint applies under the mouse at `widget`: the widget itself or the
  // nearest enclosing one in its window that carries a hint text.
  static QWidget* HintControlAt(QWidget* widget);

  // Hides the hint and forgets the pending one.
  void CancelHint();

  // The delay before a hint opens and the time it stays open: the hint opens and closes when
  // they time out.
  QTimer& ShowTimer() { return showTimer_; }
  QTimer& HideTimer() { return hideTimer_; }
  QWidget* HintControl() const { return control_; }
  bool HintShown() const { return shown_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPendingHint();
  void MouseOver(QWidget* widget);
  void MouseLeft(QWidget* widget);
  void FocusedByKeyboard(QWidget* widget);
  void HideHint();

  bool showHint_ = true;
  THintWindowClass hintWindowClass_;
  std::unique_ptr<THintWindow> window_;
  int hintPause_ = DefaultHintPause;
  int hintHidePause_ = DefaultHintHidePause;
  QTimer showTimer_;
  QTimer hideTimer_;
  QPointer<QWidget> control_;
  // The pending or shown hint came with the keyboard's focus.
  bool byKeyboard_ = false;
  bool shown_ = false;
  // A hint was open when the mouse left its control; a control entered in the same move gets
  // its hint after the short pause.
  bool moveOnPending_ = false;
};
