#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// Whether the user is working with the keyboard: a key press turns the focus cues on, a mouse
// press turns them off again, as desktops do, so a mouse player never sees a focus mark that
// the keyboard alone needs. The focused widget is repainted when this changes.
namespace FocusCues {

// Starts watching the application's input; widgets that draw a cue call it when created.
void Watch();
bool KeyboardInUse();
// `widget` has the focus and the user works with the keyboard.
bool Shown(const QWidget& widget);
// Where a focus gained for `reason` came from the keyboard (Tab, Shift+Tab, a shortcut).
bool FromKeyboard(Qt::FocusReason reason);
// The classic focus rectangle: every other pixel of the outline inverted, so it shows on any
// picture and a second pass would remove it.
void InvertDottedOutline(QImage& image, const QRect& rect);

}  // namespace FocusCues
