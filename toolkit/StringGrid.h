#pragma once

#include <QAccessible>
#include <QFrame>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/Graphics.h"

// A grid of string cells whose cells are painted only by OnDrawCell. The cells lie edge to edge
// in a row; a one-pixel silver line separates the rows (none after the last). The grid keeps a
// surface image of what it shows, black with the lines at first, that OnDrawCell draws on
// through Canvas(). A repaint of the widget shows that image as it is and calls no painter, so a
// cell keeps what was last drawn in it. No editing or scrolling. The keyboard holds one cell of
// those it may visit: the arrow keys move it, Space and Return press it, and it is marked only
// while the user works with the keyboard (FocusCues), so the mouse sees no current cell.
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
  // Repaints the cell through OnDrawCell, over what it shows.
  void DrawCell(int col, int row);

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

  // The cells the keyboard visits, in the order of the arrow keys (x is the column, y the row);
  // every cell, row by row, when none are given.
  void SetKeyCells(std::vector<QPoint> cells);
  // The cell the keyboard holds; (-1, -1) when it may visit none.
  QPoint KeyCell() const;
  bool KeyVisits(int col, int row) const;
  // Space or Return, or a screen reader's press, on the keyboard's cell.
  std::function<void(int col, int row)> OnKeyPress;
  // What a screen reader calls a cell; its text when not set.
  std::function<QString(int col, int row)> OnCellName;
  QString CellName(int col, int row) const;
  // Moves the keyboard's cell to (col, row) when it is one the keyboard visits, and presses it.
  void PressCell(int col, int row);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool Contains(int col, int row) const;
  int RowPitch() const { return rowHeight_ + 1; }
  void ResetSurface();
  std::vector<QPoint> VisitedCells() const;
  void MoveKeyCell(int step);
  // Tells a screen reader what changed in a cell: its name, or the keyboard's arrival there.
  void NotifyCell(int col, int row, QAccessible::Event change);

  // No cells until SetGridSize.
  int colCount_ = 0;
  int rowCount_ = 0;
  int colWidth_ = 1;
  int rowHeight_ = 1;
  std::vector<QString> cells_;
  std::vector<QPoint> keyCells_;
  size_t keyIndex_ = 0;
  QImage surface_;
  TCanvas canvas_;
};
