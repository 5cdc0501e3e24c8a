#pragma once

class TCanvas;

// A control that a surface window composes into its own surface, so that drawing done on the
// window later lies above it.
class TGraphicControl {
 public:
  // Draws the control onto its window's canvas, at its place.
  virtual void ComposeOn(TCanvas& canvas) const = 0;

 protected:
  ~TGraphicControl() = default;
};
