#include "toolkit/QtDecode.h"

#include <QBuffer>
#include <QImageReader>

QImage DecodeWithQt(const QByteArray& bytes, const char* format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}
