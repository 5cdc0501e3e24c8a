#include "toolkit/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QPointer>

#include "toolkit/AccessibleChildren.h"
#include "toolkit/ComboBox.h"

namespace {

// One item of the list, open or closed.
class TItemAccessible : public QAccessibleInterface {
 public:
  TItemAccessible(TComboBox* comboBox, int index) : comboBox_(comboBox), index_(index) {}

  bool isValid() const override { return comboBox_ && index_ < comboBox_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return comboBox_ ? comboBox_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(comboBox_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? comboBox_->ItemName(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? QRect(comboBox_->mapToGlobal(QPoint()), comboBox_->size()) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    const bool chosen = comboBox_->currentIndex() == index_;
    state.selectable = true;
    state.selected = chosen;
    state.focusable = true;
    state.focused = chosen && comboBox_->hasFocus();
    state.invisible = !chosen && !comboBox_->view()->isVisible();
    return state;
  }

 private:
  QPointer<TComboBox> comboBox_;
  int index_;
};

// Newer readers take a drop-down's value from its selection, older ones from its text.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
using TSelectionInterface = QAccessibleSelectionInterface;
#else
struct TSelectionInterface {};
#endif

// The drop-down: named by its owner, its value, text and selection the chosen item's.
class TComboBoxAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public TSelectionInterface {
 public:
  explicit TComboBoxAccessible(TComboBox* comboBox)
      : QAccessibleWidget(comboBox, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Chosen();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = ComboBox()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
  }
  int childCount() const override { return ComboBox()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return items_.Get(index, [&] { return new TItemAccessible(ComboBox(), index); });
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return items_.IndexOf(child);
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString& name) override {
    if (name == showMenuAction() || name == pressAction()) ComboBox()->showPopup();
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (type == QAccessible::SelectionInterface) {
      return static_cast<QAccessibleSelectionInterface*>(this);
    }
#endif
    return QAccessibleWidget::interface_cast(type);
  }

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // The chosen item as the selection; choosing is the player's, through the list.
  int selectedItemCount() const override {
    return ComboBox()->currentIndex() < 0 ? 0 : 1;
  }
  QList<QAccessibleInterface*> selectedItems() const override {
    const int index = ComboBox()->currentIndex();
    if (index < 0) return {};
    return {child(index)};
  }
  bool select(QAccessibleInterface*) override {
    return false;
  }
  bool unselect(QAccessibleInterface*) override {
    return false;
  }
  bool selectAll() override {
    return false;
  }
  bool clear() override {
    return false;
  }
#endif

  // The chosen item, read-only, as text: readers take it as the drop-down's value.
  QString text(int start, int end) const override {
    return Chosen().mid(start, end - start);
  }
  int characterCount() const override {
    return int(Chosen().size());
  }
  void selection(int, int* start, int* end) const override {
    *start = *end = 0;
  }
  int selectionCount() const override {
    return 0;
  }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override {
    return 0;
  }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override {
    return {};
  }
  int offsetAtPoint(const QPoint&) const override {
    return -1;
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = *end = 0;
    return {};
  }

 private:
  TComboBox* ComboBox() const {
    return static_cast<TComboBox*>(widget());
  }
  QString Chosen() const {
    const int index = ComboBox()->currentIndex();
    return index < 0 ? QString() : ComboBox()->ItemName(index);
  }

  mutable TAccessibleChildren items_;
};

QAccessibleInterface* ComboBoxFactory(const QString&, QObject* object) {
  auto* comboBox = qobject_cast<TComboBox*>(object);
  return comboBox ? new TComboBoxAccessible(comboBox) : nullptr;
}

}  // namespace

void InstallComboBoxAccessibility() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(ComboBoxFactory);
  installed = true;
}

void TellChoiceChanged(TComboBox& comboBox) {
  const int index = comboBox.currentIndex();
  if (!QAccessible::isActive() || !comboBox.hasFocus() || comboBox.view()->isVisible() ||
      index < 0) {
    return;
  }
  QAccessibleEvent focus(&comboBox, QAccessible::Focus);
  focus.setChild(index);
  QAccessible::updateAccessibility(&focus);
}
