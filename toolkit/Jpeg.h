#pragma once

#include <QByteArray>

#include "toolkit/Bitmap.h"

// Decodes a JPEG held in memory. Empty, corrupt or truncated data throws EToolkitError; the
// process is never ended by the decoder.
TBitmap DecodeJpeg(const QByteArray& data);
