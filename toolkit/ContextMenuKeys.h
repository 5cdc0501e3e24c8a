#pragma once

#include <QContextMenuEvent>
#include <QWidget>

// Opening a window's context menu from the keyboard. Qt turns the Menu key into a keyboard
// context-menu event for the focused widget; Shift+F10, the other key desktops use, is made to
// do the same wherever the focus is in `window`.
void AddContextMenuKeys(QWidget& window);

// Where `window`'s context menu opens for `event`: at the click for the mouse; for the keyboard,
// at the pointer when it is over the window, as a right click would, else at the focused control,
// else in the middle of the window.
QPoint ContextMenuPoint(const QWidget& window, const QContextMenuEvent& event);
