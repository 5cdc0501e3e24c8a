#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// What screen readers are told beyond what Qt tells them of its own widgets.
namespace Accessibility {

// The label's accessible name becomes `format` with "%1" replaced by its text, kept up to date
// as the text changes, so that a number on screen is read with what it counts.
void NameLabel(QLabel& label, const QString& format);

// Keeps `message` as `widget`'s accessible description and, where Qt can announce, has screen
// readers say it at once.
void Announce(QWidget& widget, const QString& message);

}  // namespace Accessibility
