#pragma once

#include <QFrame>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/Graphics.h"

// A grid of string cells whose cells are painted only by OnDrawCell. The cells lie edge to edge
// in a row; a one-pixel silver line separates the rows (none after the last). The grid keeps a
// surface image of what it shows, black with the lines at first, that OnDrawCell draws on
// through Canvas(). A repaint of the widget shows that image as it is and calls no painter, so a
// cell keeps what was last drawn in it. No current cell, focus, editing or scrolling.
class TStringGrid : public QFrame {
  Q_OBJECT

 public:
  explicit TStringGrid(QWidget* parent = nullptr);

  // Clears the surface to black with the row lines; cells inside the new size keep their text but
  // show again only when written.
  void SetGridSize(int colCount, int rowCount, int colWidth, int rowHeight);
  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }

  // "" outside the grid.
  QString Cell(int col, int row) const;
  // Stores the text and repaints that cell through OnDrawCell. A cell whose text changes is
  // cleared to black first, so a text the painter draws nothing for never shows an old picture.
  // Writing outside the grid does nothing.
  void SetCell(int col, int row, const QString& text);

  // (-1, -1) for a point on no cell: outside the cells or on a row line.
  void MouseToCell(int x, int y, int& col, int& row) const;
  // In client coordinates; empty outside the grid.
  TRect CellRect(int col, int row) const;

  // The grid's drawing surface, in client coordinates (inside the frame).
  TCanvas& Canvas() { return canvas_; }
  const QImage& Surface() const { return surface_; }

  std::function<void(int col, int row, const TRect& rect)> OnDrawCell;
  // Any button; presses on the frame itself are not the grid's client area and are not reported.
  std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool Contains(int col, int row) const;
  int RowPitch() const { return rowHeight_ + 1; }
  void ResetSurface();

  // No cells until SetGridSize.
  int colCount_ = 0;
  int rowCount_ = 0;
  int colWidth_ = 1;
  int rowHeight_ = 1;
  std::vector<QString> cells_;
  QImage surface_;
  TCanvas canvas_;
};
