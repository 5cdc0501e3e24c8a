#pragma once

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

// Screen readers present the top-level `window` as an application's frame, titled by its
// accessible name, where Qt would present a plain widget as a filler.
void PresentAsFrame(QWidget& window);

}  // namespace Accessibility
