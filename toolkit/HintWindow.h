#pragma once

#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <optional>

#include "toolkit/Graphics.h"

class TCanvas;

// The window the application shows its hints in: a popup that never takes focus, lets the mouse
// through and stays out of the task bar. Derived classes replace ActivateHint to lay out and
// place themselves.
class THintWindow : public QWidget {
  Q_OBJECT

 public:
  THintWindow();

  // Shows `text` in `rect` (screen pixels).
  virtual void ActivateHint(const TRect& rect, const QString& text);
  // The rectangle, at the origin, that the plain window needs for `text`.
  virtual TRect CalcHintRect(const QString& text) const;

  // Where the hint hangs from: the cursor, or the control that the keyboard gave the focus to.
  QPoint HintPoint() const;
  void SetHintPoint(std::optional<QPoint> point) { hintPoint_ = point; }

  const QString& Text() const { return text_; }
  void SetText(const QString& text);

  TFont Font;
  TColor Color = 0xE1FFFF;  // the desktop's pale info yellow

  // Shows the window at `geometry` (screen pixels) with only the pixels of `shape` visible. On
  // Wayland, where windows cannot place themselves, it hangs from `anchor`'s window.
  void ShowShaped(const QRect& geometry, const QRegion& shape, const QWidget* anchor);

  // Draws the whole window on `canvas`, which is the window's size. Returns false when there is
  // nothing to show; the window is then left unpainted.
  virtual bool Paint(TCanvas& canvas);

 protected:
  // Paints the window through Paint, inside the shape only.
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  std::optional<QPoint> hintPoint_;
  QRegion shape_;
  bool shaped_ = false;
};
