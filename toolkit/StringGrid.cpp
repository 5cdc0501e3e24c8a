#include "toolkit/StringGrid.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/Density.h"
#include "toolkit/EToolkitError.h"
#include "toolkit/FocusCues.h"
#include "toolkit/RunGuarded.h"
#include "toolkit/StringGridAccessible.h"

namespace {

constexpr TColor GridColor = clBlack;
constexpr TColor LineColor = clSilver;
// Keeps a mistaken size from asking for an absurd surface.
constexpr int MaxExtent = 1 << 14;

}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QFrame(parent), canvas_(surface_) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  FocusCues::Watch();
  InstallStringGridAccessibility();
  canvas_.OnChanged = [this](const QRect& rect) {
    update(rect.translated(contentsRect().topLeft()));
  };
}

void TStringGrid::SetGridSize(int colCount, int rowCount, int colWidth, int rowHeight) {
  colWidth = std::clamp(colWidth, 1, MaxExtent);
  rowHeight = std::clamp(rowHeight, 1, MaxExtent);
  colCount = std::clamp(colCount, 0, MaxExtent / colWidth);
  rowCount = std::clamp(rowCount, 0, MaxExtent / (rowHeight + 1));

  std::vector<QString> cells(size_t(colCount) * size_t(rowCount));
  for (int row = 0; row < std::min(rowCount, rowCount_); ++row) {
    for (int col = 0; col < std::min(colCount, colCount_); ++col) {
      cells[size_t(row) * colCount + col] = std::move(cells_[size_t(row) * colCount_ + col]);
    }
  }
  cells_ = std::move(cells);
  colCount_ = colCount;
  rowCount_ = rowCount;
  colWidth_ = colWidth;
  rowHeight_ = rowHeight;
  ResetSurface();
  updateGeometry();
  update();
}

void TStringGrid::ResetSurface() {
  const int width = colCount_ * colWidth_;
  const int height = rowCount_ > 0 ? rowCount_ * RowPitch() - 1 : 0;
  // At the screen's density, so that the pictures of the cells keep theirs.
  surface_ = DenseImage({width, height}, devicePixelRatioF());
  if (width > 0 && height > 0 && surface_.isNull()) {
    throw EToolkitError("Mémoire insuffisante pour la grille");
  }
  if (surface_.isNull()) return;
  surface_.fill(ColorToQColor(GridColor));
  QPainter painter(&surface_);
  for (int row = 0; row + 1 < rowCount_; ++row) {
    painter.fillRect(QRect(0, row * RowPitch() + rowHeight_, width, 1), ColorToQColor(LineColor));
  }
}

bool TStringGrid::Contains(int col, int row) const {
  return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_;
}

QString TStringGrid::Cell(int col, int row) const {
  return Contains(col, row) ? cells_[size_t(row) * colCount_ + col] : QString();
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (!Contains(col, row)) return;
  QString& cell = cells_[size_t(row) * colCount_ + col];
  const TRect rect = CellRect(col, row);
  if (cell != text) {
    cell = text;
    canvas_.SetClip(QRegion());
    canvas_.Brush = TBrush{GridColor, TBrushStyle::Solid};
    canvas_.FillRect(rect);
    NotifyCell(col, row, QAccessible::NameChanged);
  }
  DrawCell(col, row);
}

void TStringGrid::DrawCell(int col, int row) {
  if (!Contains(col, row) || !OnDrawCell) return;
  const TRect rect = CellRect(col, row);
  // The painter works on this cell only; its brush starts as the grid's background.
  canvas_.SetClip(QRegion(rect.ToQRect()));
  canvas_.Brush = TBrush{GridColor, TBrushStyle::Solid};
  RunGuarded([&] { OnDrawCell(col, row, rect); });
  canvas_.SetClip(QRegion());
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  col = -1;
  row = -1;
  if (x < 0 || y < 0) return;
  const int c = x / colWidth_;
  const int r = y / RowPitch();
  if (!Contains(c, r) || y % RowPitch() >= rowHeight_) return;
  col = c;
  row = r;
}

TRect TStringGrid::CellRect(int col, int row) const {
  if (!Contains(col, row)) return {};
  const int left = col * colWidth_;
  const int top = row * RowPitch();
  return {left, top, left + colWidth_, top + rowHeight_};
}

QSize TStringGrid::sizeHint() const {
  const int frame = 2 * frameWidth();
  return surface_.deviceIndependentSize().toSize() + QSize(frame, frame);
}

void TStringGrid::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  const QRect client = contentsRect();
  QPainter painter(this);
  painter.setClipRect(client);
  // Beyond the cells the grid shows its background.
  painter.fillRect(client, ColorToQColor(GridColor));
  painter.drawImage(client.topLeft(), surface_);
  const QPoint key = KeyCell();
  if (!FocusCues::Shown(*this) || key.x() < 0) return;
  // Two dotted rings, so the mark shows on a busy picture; drawn in the surface's own pixels.
  const QRect cell = CellRect(key.x(), key.y()).ToQRect();
  const qreal ratio = surface_.devicePixelRatio();
  QImage marked =
      surface_.copy(QRectF(QPointF(cell.topLeft()) * ratio, QSizeF(cell.size()) * ratio).toRect());
  marked.setDevicePixelRatio(ratio);
  const int inset = qRound(2 * ratio);
  FocusCues::InvertDottedOutline(marked, marked.rect());
  FocusCues::InvertDottedOutline(marked, marked.rect().adjusted(inset, inset, -inset, -inset));
  painter.drawImage(client.topLeft() + cell.topLeft(), marked);
}

void TStringGrid::SetKeyCells(std::vector<QPoint> cells) {
  keyCells_ = std::move(cells);
  keyIndex_ = 0;
  update();
}

std::vector<QPoint> TStringGrid::VisitedCells() const {
  std::vector<QPoint> cells;
  if (!keyCells_.empty()) {
    for (const QPoint& cell : keyCells_) {
      if (Contains(cell.x(), cell.y())) cells.push_back(cell);
    }
    return cells;
  }
  for (int row = 0; row < rowCount_; ++row) {
    for (int col = 0; col < colCount_; ++col) cells.emplace_back(col, row);
  }
  return cells;
}

QPoint TStringGrid::KeyCell() const {
  const std::vector<QPoint> cells = VisitedCells();
  if (cells.empty()) return {-1, -1};
  return cells[std::min(keyIndex_, cells.size() - 1)];
}

bool TStringGrid::KeyVisits(int col, int row) const {
  const std::vector<QPoint> cells = VisitedCells();
  return std::find(cells.begin(), cells.end(), QPoint(col, row)) != cells.end();
}

QString TStringGrid::CellName(int col, int row) const {
  return OnCellName ? OnCellName(col, row) : Cell(col, row);
}

void TStringGrid::PressCell(int col, int row) {
  const std::vector<QPoint> cells = VisitedCells();
  const auto found = std::find(cells.begin(), cells.end(), QPoint(col, row));
  if (found == cells.end()) return;
  keyIndex_ = size_t(found - cells.begin());
  update();
  if (OnKeyPress) RunGuarded([&] { OnKeyPress(col, row); });
}

void TStringGrid::MoveKeyCell(int step) {
  const std::vector<QPoint> cells = VisitedCells();
  if (cells.empty()) return;
  const int last = int(cells.size()) - 1;
  keyIndex_ = size_t(std::clamp(int(std::min(keyIndex_, size_t(last))) + step, 0, last));
  update();
  const QPoint key = KeyCell();
  NotifyCell(key.x(), key.y(), QAccessible::Focus);
}

void TStringGrid::NotifyCell(int col, int row, QAccessible::Event change) {
  if (!QAccessible::isActive() || !Contains(col, row)) return;
  QAccessibleEvent event(this, change);
  event.setChild(row * colCount_ + col);
  QAccessible::updateAccessibility(&event);
}

void TStringGrid::contextMenuEvent(QContextMenuEvent* event) {
  // Every button is the grid's own, so a right press must not also open a parent's menu; the
  // keyboard's menu key is the window's.
  if (event->reason() == QContextMenuEvent::Mouse) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      MoveKeyCell(-1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      MoveKeyCell(1);
      break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      const QPoint key = KeyCell();
      PressCell(key.x(), key.y());
      break;
    }
    default:
      QFrame::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  // Qt tells readers of the grid's own focus after this event: the cell's must come after it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        const QPoint key = KeyCell();
        if (hasFocus()) NotifyCell(key.x(), key.y(), QAccessible::Focus);
      },
      Qt::QueuedConnection);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
  event->accept();
  const QPoint at = event->position().toPoint();
  if (!contentsRect().contains(at) || !OnMouseDown) return;
  const QPoint client = at - contentsRect().topLeft();
  const Qt::MouseButton button = event->button();
  RunGuarded([&] { OnMouseDown(button, client.x(), client.y()); });
}
