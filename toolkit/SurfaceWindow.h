#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include "toolkit/Canvas.h"

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
  TCanvas canvas_;
  QRegion drawnSincePaint_;
  bool repainting_ = false;
};
