#include "toolkit/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace {

constexpr char Role[] = "AccessibleRole";
constexpr char NoticeName[] = "AccessibleNotice";
constexpr char PreviousNoticeName[] = "AccessibleNotice.previous";

// How a label is named, kept by the label as a child so that it goes with it.
class TLabelNamer : public QObject {
 public:
  TLabelNamer(QLabel& label, std::function<QString(const QString&)> name)
      : QObject(&label), Name(std::move(name)) {}
  const std::function<QString(const QString&)> Name;
};

// A label read through its namer. Its accessible name stays unset, so that QLabel itself
// reports each change of text as a change of name.
class TNamedLabelAccessible : public QAccessibleWidget {
 public:
  TNamedLabelAccessible(QLabel* label, const TLabelNamer* namer)
      : QAccessibleWidget(label, QAccessible::StaticText), namer_(namer) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    return namer_->Name(static_cast<const QLabel*>(widget())->text());
  }

 private:
  const TLabelNamer* namer_;
};

QAccessibleInterface* NamedLabelFactory(const QString&, QObject* object) {
  auto* label = qobject_cast<QLabel*>(object);
  if (!label) return nullptr;
  for (QObject* child : label->children()) {
    if (auto* namer = dynamic_cast<TLabelNamer*>(child)) {
      return new TNamedLabelAccessible(label, namer);
    }
  }
  return nullptr;
}

// A widget shown to readers in the role its owner gave it.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget || !widget->property(Role).isValid()) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Role(widget->property(Role).toInt()));
}

void SetRole(QWidget& widget, QAccessible::Role role) {
  static bool installed = false;
  if (!installed) QAccessible::installFactory(RoleFactory);
  installed = true;
  widget.setProperty(Role, int(role));
  // Qt may have made the widget's plain interface already.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
  if (made && made->role() != role) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

// A notice: an empty widget, out of sight and out of the way of input.
QWidget* NewNotice(QWidget& window) {
  auto* notice = new QWidget(&window);
  notice->setGeometry(0, 0, 0, 0);
  notice->setAttribute(Qt::WA_TransparentForMouseEvents);
  notice->setFocusPolicy(Qt::NoFocus);
  SetRole(*notice, QAccessible::Notification);
  return notice;
}

}  // namespace

void Accessibility::NameLabel(QLabel& label, std::function<QString(const QString& text)> name) {
  static bool installed = false;
  if (!installed) QAccessible::installFactory(NamedLabelFactory);
  installed = true;
  new TLabelNamer(label, std::move(name));
  // Qt may have made the label its plain interface already, when its text was first set.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&label);
  if (made && !dynamic_cast<TNamedLabelAccessible*>(made)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  }
}

void Accessibility::Say(QWidget& window, const QString& message) {
  // Two notices used in turn: a reader that lags behind drops an event that a later one on the
  // same object makes obsolete, so two messages in a row never share one.
  constexpr auto direct = Qt::FindDirectChildrenOnly;
  QWidget* last = window.findChild<QWidget*>(NoticeName, direct);
  QWidget* next = window.findChild<QWidget*>(PreviousNoticeName, direct);
  if (!next) next = NewNotice(window);
  if (last) last->setObjectName(PreviousNoticeName);
  next->setObjectName(NoticeName);
  next->hide();
  next->setAccessibleName(message);
  next->show();
}

namespace {

// Kept by the window as a child, so that it goes with it.
class TLateReaderGreeter : public QObject, public QAccessible::ActivationObserver {
 public:
  explicit TLateReaderGreeter(QWidget& window) : QObject(&window), window_(window) {
    QAccessible::installActivationObserver(this);
  }
  ~TLateReaderGreeter() override { QAccessible::removeActivationObserver(this); }

  void accessibilityActiveChanged(bool active) override {
    if (!active || !window_.isActiveWindow()) return;
    // After the link has told the readers of the program, on its next turn.
    QTimer::singleShot(0, this, [this] {
      if (!window_.isActiveWindow()) return;
      Accessibility::Say(window_,
                         window_.accessibleName() + u' ' + window_.accessibleDescription());
    });
  }

 private:
  QWidget& window_;
};

}  // namespace

Accessibility::TUnheard::TUnheard()
    : previous_(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}

Accessibility::TUnheard::~TUnheard() {
  QAccessible::installUpdateHandler(previous_);
}

void Accessibility::IntroduceToLateReaders(QWidget& window) {
  new TLateReaderGreeter(window);
}

void Accessibility::PresentAsFrame(QWidget& window) {
  SetRole(window, QAccessible::Window);
}
