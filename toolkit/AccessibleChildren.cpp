#include "toolkit/AccessibleChildren.h"

TAccessibleChildren::~TAccessibleChildren() {
  for (QAccessible::Id id : ids_) {
    if (id) QAccessible::deleteAccessibleInterface(id);
  }
}

QAccessibleInterface* TAccessibleChildren::Get(int index,
                                               const std::function<QAccessibleInterface*()>& make) {
  if (ids_.size() <= size_t(index)) ids_.resize(size_t(index) + 1, 0);
  QAccessible::Id& id = ids_[size_t(index)];
  if (!id) id = QAccessible::registerAccessibleInterface(make());
  return QAccessible::accessibleInterface(id);
}

int TAccessibleChildren::IndexOf(const QAccessibleInterface* child) const {
  for (size_t i = 0; i < ids_.size(); ++i) {
    if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == child) return int(i);
  }
  return -1;
}
