#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <array>

#include "toolkit/Canvas.h"

// The area drawn since the last paint. A race reports nine moving rectangles every tick; each
// sprite's successive rectangles share their rows and merge, so the ticks add to a fixed array
// and never allocate. Only rectangles that merge with nothing, past the array's room, go to a
// region.
class TDrawnArea {
 public:
  void Add(const QRect& rect);
  void Subtract(const QRegion& region);
  QRegion Region() const;
  bool IsEmpty() const { return count_ == 0 && rest_.isEmpty(); }

 private:
  static constexpr int Room = 32;
  std::array<QRect, Room> rects_;
  int count_ = 0;
  QRegion rest_;
};

// A top-level window that keeps an image of what is on screen, so that handlers can draw on the
// window between paints: their drawing goes into the surface and is shown at once. Areas the
// system asks to repaint get FormPaint and the picture controls instead, which wipes what was
// drawn there.
class TSurfaceWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TSurfaceWindow(QWidget* parent = nullptr);

  // Draws onto the window.
  TCanvas& Canvas();
  const QImage& Surface() const { return surface_; }
  // Paints the surface's `area` (window coordinates) into `to` of another painter.
  void DrawSurface(QPainter& painter, const QRect& to, const QRect& area) const;
  // Puts what was drawn on the screen before returning, for a caller about to block the loop.
  void ShowDrawingNow();

 protected:
  // The window's own paint handler; draws through Canvas().
  virtual void FormPaint() {}
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitSurface();
  void ComposePictures();

  QImage surface_;
  QSize fittedSize_;
  TCanvas canvas_;
  TDrawnArea drawnSincePaint_;
  bool repainting_ = false;
};
