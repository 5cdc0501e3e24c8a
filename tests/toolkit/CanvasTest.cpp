#include "toolkit/Canvas.h"

#include <gtest/gtest.h>

namespace {

TBitmap Filled(int w, int h, TColor color) {
  TBitmap bitmap(w, h);
  bitmap.Image().fill(ColorToQColor(color));
  return bitmap;
}

int CountPixels(const TBitmap& bitmap, TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == color;
  return count;
}

}  // namespace

TEST(Colors, ConvertFromBgrOrder) {
  EXPECT_EQ(ColorToQColor(0x00FFFF), QColor(255, 255, 0));
  EXPECT_EQ(ColorToQColor(0x8000), QColor(0, 128, 0));
  EXPECT_EQ(ColorToQColor(0xFFFF00), QColor(0, 255, 255));
  EXPECT_EQ(QColorToColor(QColor(8, 72, 8)), 0x084808u);
}

TEST(Canvas, CopyRectIsClippedAtEveryEdge) {
  struct Case {
    TRect to;
    int expectedRed;
  };
  // A 10x10 red source copied onto a 20x20 black target at various offsets.
  const Case cases[] = {
      {{-5, 0, 5, 10}, 50}, {{0, -5, 10, 5}, 50},  {{15, 0, 25, 10}, 50},  {{0, 15, 10, 25}, 50},
      {{-5, -5, 5, 5}, 25}, {{18, 18, 28, 28}, 4}, {{-20, 0, -10, 10}, 0}, {{5, 5, 15, 15}, 100},
  };
  const TBitmap source = Filled(10, 10, clRed);
  for (const Case& c : cases) {
    TBitmap target = Filled(20, 20, clBlack);
    TCanvas canvas(target.Image());
    canvas.CopyRect(c.to, source, {0, 0, 10, 10});
    EXPECT_EQ(CountPixels(target, clRed), c.expectedRed) << c.to.Left << "," << c.to.Top;
  }
}

TEST(Canvas, CopyRectFromOutsideTheSourceLeavesTheTargetAlone) {
  const TBitmap source = Filled(10, 10, clRed);
  TBitmap target = Filled(20, 20, clBlack);
  TCanvas canvas(target.Image());
  canvas.CopyRect({0, 0, 10, 10}, source, {5, 5, 15, 15});
  EXPECT_EQ(CountPixels(target, clRed), 25);
  EXPECT_EQ(target.Pixel(0, 0), clRed);
  EXPECT_EQ(target.Pixel(5, 5), clBlack);
}

TEST(Canvas, CopyRectStretchesWhenSizesDiffer) {
  TBitmap source = Filled(73, 60, clRed);
  source.Image().setPixelColor(0, 59, QColor(0, 0, 255));
  TBitmap target = Filled(73, 62, clBlack);
  TCanvas canvas(target.Image());
  canvas.CopyRect({0, 0, 73, 62}, source, {0, 0, 73, 60});
  EXPECT_EQ(CountPixels(target, clBlack), 0);
  EXPECT_EQ(target.Pixel(0, 61), 0xFF0000u);
}

TEST(Canvas, DrawUsesEachBitmapsOwnKey) {
  TBitmap frame = Filled(4, 4, 0x084808);
  frame.Image().setPixelColor(2, 2, QColor(200, 100, 50));
  frame.Transparent = true;
  frame.TransparentColor = frame.Pixel(1, 1);

  TBitmap other = Filled(4, 4, 0x112233);
  other.Image().setPixelColor(2, 2, QColor(8, 72, 8));
  other.Transparent = true;
  other.TransparentColor = other.Pixel(1, 1);

  TBitmap target = Filled(8, 4, clBlack);
  TCanvas canvas(target.Image());
  canvas.Draw(0, 0, frame);
  canvas.Draw(4, 0, other);
  EXPECT_EQ(target.Pixel(0, 0), clBlack);
  EXPECT_EQ(target.Pixel(2, 2), QColorToColor(QColor(200, 100, 50)));
  EXPECT_EQ(target.Pixel(4, 0), clBlack);
  EXPECT_EQ(target.Pixel(6, 2), 0x084808u);  // the first frame's key is an ordinary colour here
}

TEST(Canvas, DrawWithoutKeyIsOpaqueAndClipped) {
  const TBitmap frame = Filled(4, 4, 0x084808);
  TBitmap target = Filled(6, 6, clBlack);
  TCanvas canvas(target.Image());
  canvas.Draw(-2, 4, frame);
  EXPECT_EQ(CountPixels(target, 0x084808), 4);
}

TEST(Canvas, TextOutWithSolidBrushFillsTheCell) {
  TBitmap target = Filled(60, 30, clBlack);
  TCanvas canvas(target.Image());
  canvas.Font.SetName("Arial");
  canvas.Font.SetHeight(-11);
  canvas.Font.SetColor(clYellow);
  canvas.Brush.Color = 0x8000;
  QRect changed;
  canvas.OnChanged = [&](const QRect& r) { changed = r; };
  canvas.TextOut(10, 5, "7");
  const QSize extent = canvas.TextExtent("7");
  EXPECT_EQ(changed, QRect(10, 5, extent.width(), extent.height()));
  EXPECT_EQ(target.Pixel(10, 5), 0x8000u);
  EXPECT_EQ(target.Pixel(9, 5), clBlack);
  EXPECT_GT(CountPixels(target, clYellow), 0);
}

TEST(Canvas, TextOutWithClearBrushKeepsTheBackground) {
  TBitmap target = Filled(60, 30, clBlack);
  TCanvas canvas(target.Image());
  canvas.Font.SetColor(clYellow);
  canvas.Brush.Style = TBrushStyle::Clear;
  canvas.TextOut(10, 5, "7");
  EXPECT_EQ(CountPixels(target, 0x8000), 0);
  EXPECT_EQ(target.Pixel(10, 5), clBlack);
}

TEST(Canvas, ClipLimitsDrawing) {
  const TBitmap source = Filled(10, 10, clRed);
  TBitmap target = Filled(10, 10, clBlack);
  TCanvas canvas(target.Image());
  canvas.SetClip(QRegion(0, 0, 5, 10));
  canvas.Draw(0, 0, source);
  EXPECT_EQ(CountPixels(target, clRed), 50);
}

TEST(Rect, UnionCoversBoth) {
  EXPECT_EQ(UnionRect({-73, 50, 0, 110}, {-70, 50, 3, 110}), (TRect{-73, 50, 3, 110}));
}

TEST(Canvas, OnAHighDensityTargetEachPixelCoversSeveral) {
  TBitmap frame = Filled(4, 4, 0x084808);
  frame.Image().setPixelColor(2, 1, QColor(200, 100, 50));
  frame.Transparent = true;
  frame.TransparentColor = frame.Pixel(1, 1);
  QImage target(20, 20, QImage::Format_RGB32);
  target.fill(Qt::black);
  target.setDevicePixelRatio(2);
  TCanvas canvas(target);
  QRect changed;
  canvas.OnChanged = [&](const QRect& r) { changed = r; };
  canvas.Draw(3, 3, frame);
  EXPECT_EQ(changed, QRect(3, 3, 4, 4));  // in logical pixels
  const QColor drawn(200, 100, 50);
  for (QPoint device : {QPoint(10, 8), QPoint(11, 8), QPoint(10, 9), QPoint(11, 9)}) {
    EXPECT_EQ(target.pixelColor(device), drawn) << device.x() << "," << device.y();
  }
  EXPECT_EQ(target.pixelColor(6, 6), QColor(Qt::black));  // the key left the target alone
  canvas.CopyRect({0, 0, 2, 2}, Filled(2, 2, clRed), {0, 0, 2, 2});
  EXPECT_EQ(target.pixelColor(3, 3), QColor(255, 0, 0));
  EXPECT_EQ(target.pixelColor(4, 4), QColor(Qt::black));
}
