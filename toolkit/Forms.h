#pragma once

#include <QWidget>

// Places a top-level window in the middle of its screen.
void CenterOnScreen(QWidget& window);

// Gives a window the default form font: the named family at a character height in pixels.
void SetFormFont(QWidget& window, const QString& family, int pixelHeight);
