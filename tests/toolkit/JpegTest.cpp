#include "toolkit/Jpeg.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "toolkit/EToolkitError.h"

namespace {

QByteArray EncodedJpeg(int w, int h, QColor color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 95);
  return bytes;
}

}  // namespace

TEST(Jpeg, DecodesSizeAndColour) {
  const TBitmap bitmap = DecodeJpeg(EncodedJpeg(800, 600, QColor(200, 30, 40)));
  ASSERT_EQ(bitmap.Width(), 800);
  ASSERT_EQ(bitmap.Height(), 600);
  const QColor pixel = bitmap.Image().pixelColor(400, 300);
  EXPECT_NEAR(pixel.red(), 200, 4);
  EXPECT_NEAR(pixel.green(), 30, 4);
  EXPECT_NEAR(pixel.blue(), 40, 4);
}

TEST(Jpeg, BadDataRaisesInsteadOfEndingTheProcess) {
  const QByteArray good = EncodedJpeg(64, 64, Qt::blue);
  QByteArray corrupt = good;
  for (int i = 200; i < corrupt.size() - 2; i += 7) corrupt[i] = char(0xFF);
  const QByteArray cases[] = {
      QByteArray(), QByteArray("not a jpeg at all"), good.left(good.size() / 2), good.left(2),
      corrupt,
  };
  for (const QByteArray& data : cases) {
    EXPECT_THROW(DecodeJpeg(data), EToolkitError) << data.size() << " bytes";
  }
}
