#pragma once

#include <QAccessible>
#include <functional>
#include <vector>

// The interfaces of a widget's parts that are no objects of their own (grid cells, list items),
// made when a reader first asks for them, registered once and deleted with their owner's
// interface.
class TAccessibleChildren {
 public:
  TAccessibleChildren() = default;
  TAccessibleChildren(const TAccessibleChildren&) = delete;
  TAccessibleChildren& operator=(const TAccessibleChildren&) = delete;
  ~TAccessibleChildren();

  // Part `index`'s interface, made by `make` the first time.
  QAccessibleInterface* Get(int index, const std::function<QAccessibleInterface*()>& make);
  // -1 when `child` is none of the parts made so far.
  int IndexOf(const QAccessibleInterface* child) const;

 private:
  std::vector<QAccessible::Id> ids_;
};
