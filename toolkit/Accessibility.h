#pragma once

#include <QAccessible>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <functional>

// What screen readers are told beyond what Qt tells them of its own widgets.
namespace Accessibility {

// The label's accessible name becomes `name` of its text, kept up to date as the text changes,
// so that a number on screen is read with what it counts.
void NameLabel(QLabel& label, std::function<QString(const QString& text)> name);

// Has screen readers say `message` at once, wherever their focus is: `window` shows a notice
// holding it, which readers speak as it appears. A reader that starts later finds the last one.
void Say(QWidget& window, const QString& message);

// While one lives, screen readers hear nothing of what the program does: for a window made
// before it is shown, whose making would otherwise flood them with changes to controls nobody
// sees yet (a reader that lags behind then misses the window the user does see).
class TUnheard {
 public:
  TUnheard();
  ~TUnheard();
  TUnheard(const TUnheard&) = delete;
  TUnheard& operator=(const TUnheard&) = delete;

 private:
  void (*previous_)(QAccessibleEvent*);
};

// Screen readers that arrive while the top-level `window` is already active never heard it open
// (on a loaded machine the program's link to them can come up after its first window): they are
// told its name and description, as its opening would have told them.
void IntroduceToLateReaders(QWidget& window);

// Screen readers present the top-level `window` as an application's frame, titled by its
// accessible name, where Qt would present a plain widget as a filler.
void PresentAsFrame(QWidget& window);

}  // namespace Accessibility
