#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

#include "toolkit/Graphics.h"

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

  const QString& Text() const { return text_; }
  void SetText(const QString& text);

  TFont Font;
  TColor Color = 0xE1FFFF;  // the desktop's pale info yellow

  // Shows the window at `geometry` (screen pixels) with only the pixels of `shape` visible.
  void ShowShaped(const QRect& geometry, const QRegion& shape);
  const QRegion& Shape() const { return shape_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Puts `picture` on the window, inside the shape only.
  void Present(const QImage& picture);

 private:
  QString text_;
  QRegion shape_;
};
