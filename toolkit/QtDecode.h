#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a picture of the given format ("PNG", "BMP") with Qt's own reader, or gives a null
// image. The format is trusted: Qt does not try its image plugins on the bytes, which would load
// every one of them into memory.
QImage DecodeWithQt(const QByteArray& bytes, const char* format);
