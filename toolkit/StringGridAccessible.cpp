#include "toolkit/StringGridAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "toolkit/AccessibleChildren.h"
#include "toolkit/StringGrid.h"

namespace {

// One cell: named by the grid, pressable when the keyboard may hold it.
class TCellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TCellAccessible(TStringGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

  bool isValid() const override {
    return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(grid_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? grid_->CellName(col_, row_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect cell = grid_->CellRect(col_, row_).ToQRect();
    return cell.translated(grid_->mapToGlobal(grid_->contentsRect().topLeft()));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.invisible = !grid_->isVisible();
    state.focusable = Visited();
    state.focused = Visited() && grid_->hasFocus() && grid_->KeyCell() == QPoint(col_, row_);
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override {
    return Visited() ? QStringList{pressAction()} : QStringList();
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && isValid()) grid_->PressCell(col_, row_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool Visited() const { return isValid() && grid_->KeyVisits(col_, row_); }

  QPointer<TStringGrid> grid_;
  int col_;
  int row_;
};

// The grid: a table whose children are its cells, row by row.
class TGridAccessible : public QAccessibleWidget {
 public:
  explicit TGridAccessible(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

  int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const int cols = Grid()->ColCount();
    return cells_.Get(index,
                      [&] { return new TCellAccessible(Grid(), index % cols, index / cols); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return cells_.IndexOf(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = Grid()->mapFromGlobal(QPoint(x, y)) - Grid()->contentsRect().topLeft();
    int col = -1;
    int row = -1;
    Grid()->MouseToCell(at.x(), at.y(), col, row);
    return col < 0 ? nullptr : child(row * Grid()->ColCount() + col);
  }
  QAccessibleInterface* focusChild() const override {
    const QPoint key = Grid()->KeyCell();
    if (!Grid()->hasFocus() || key.x() < 0) return nullptr;
    return child(key.y() * Grid()->ColCount() + key.x());
  }

 private:
  TStringGrid* Grid() const { return static_cast<TStringGrid*>(widget()); }

  mutable TAccessibleChildren cells_;
};

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
  auto* grid = qobject_cast<TStringGrid*>(object);
  return grid ? new TGridAccessible(grid) : nullptr;
}

}  // namespace

void InstallStringGridAccessibility() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(GridFactory);
  installed = true;
}
