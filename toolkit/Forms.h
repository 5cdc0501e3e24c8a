#pragma once

#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "toolkit/Graphics.h"

// Places a top-level window in the middle of the screen that holds the pointer.
void CenterOnScreen(QWidget& window);

// A font of the named family whose characters are `pixelHeight` pixels high, as the form
// descriptions give sizes.
QFont PixelFont(const QString& family, int pixelHeight, bool bold = false);

// Gives a window its default form font.
void SetFormFont(QWidget& window, const QString& family, int pixelHeight);

void SetTextColor(QLabel& label, TColor color);
