#include "toolkit/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

constexpr char NameFormat[] = "AccessibleNameFormat";

// A label read through its name format. Its accessible name stays unset, so that QLabel itself
// reports each change of text as a change of name.
class TNamedLabelAccessible : public QAccessibleWidget {
 public:
  explicit TNamedLabelAccessible(QLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* label = static_cast<const QLabel*>(widget());
    return label->property(NameFormat).toString().arg(label->text());
  }
};

QAccessibleInterface* NamedLabelFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (!label || !label->property(NameFormat).isValid()) return nullptr;
  return new TNamedLabelAccessible(label);
}

}  // namespace

void Accessibility::NameLabel(QLabel& label, const QString& format) {
  static bool installed = false;
  if (!installed) QAccessible::installFactory(NamedLabelFactory);
  installed = true;
  label.setProperty(NameFormat, format);
  // Qt may have made the label its plain interface already, when its text was first set.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&label);
  if (made && !dynamic_cast<TNamedLabelAccessible*>(made)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

void Accessibility::Announce(QWidget& widget, const QString& message) {
  widget.setAccessibleDescription(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(&widget, message);
  QAccessible::updateAccessibility(&announcement);
#endif
}
