// The game on a screen of ratio 2: every picture is its twice-size twin, drawn without scaling
// and keyed on the same colour; text is drawn at the screen's resolution; the layout's
// coordinates are unchanged.
#include <QImage>
#include <QPixmap>

#include "cldhint/CldHint.h"
#include "tests/game/GameFixture.h"
#include "toolkit/Application.h"
#include "toolkit/Density.h"

namespace {

// Set before the test program makes its application.
const bool ScreenOfRatioTwo = qputenv("QT_SCALE_FACTOR", "2");

constexpr QRgb HorseKey = 0xFF084808;

QImage Rgb32(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

// The share (0..1) of the device pixels of `area` (logical) of a ratio-2 image that differ from
// the same area halved in width and doubled back: 0 for a picture blown up from half its size,
// even when it was also stretched in height.
double SharpShare(const QImage& image, const QRect& area) {
  const QImage part = Rgb32(image).copy(QRect(area.topLeft() * 2, area.size() * 2));
  const QImage back =
      part.scaled(part.width() / 2, part.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .scaled(part.size());
  int differing = 0;
  for (int y = 0; y < part.height(); ++y) {
    for (int x = 0; x < part.width(); ++x) differing += part.pixel(x, y) != back.pixel(x, y);
  }
  return double(differing) / (part.width() * part.height());
}

// Drawn pictures and text measure 0.09 and above; blown-up ones 0 to 0.003.
constexpr double Sharp = 0.05;

using DoubleScale = GameTest;

TEST_F(DoubleScale, PicturesAreTwiceAsDenseKeyedAlikeAndTextIsDrawnAtTheScreensResolution) {
  ASSERT_TRUE(ScreenOfRatioTwo);
  ASSERT_EQ(PictureRatio(), 2);
  // The layout's sizes, four device pixels for each logical one.
  const TBitmap& track = main->BackgroundBitmap;
  EXPECT_EQ(QSize(track.Width(), track.Height()), QSize(800, 600));
  EXPECT_EQ(track.Image().size(), QSize(1600, 1200));
  const TBitmap& sprites = main->SpriteSheet;
  EXPECT_EQ(sprites.Image().size(), QSize(2 * sprites.Width(), 2 * sprites.Height()));
  EXPECT_EQ(main->PortraitSheet.Image().size(), QSize(292, 120));
  EXPECT_EQ(main->AnimateHomme->FrameOrigin(), QPoint(-5, -5));
  for (int h = 1; h <= HorseCount; ++h) {
    const TBitmap& frame = main->HorseFrames[h][1];
    EXPECT_EQ(frame.Image().size(), QSize(2 * SpriteWidth, 2 * SpriteHeight)) << h;
    EXPECT_TRUE(frame.Transparent) << h;
    EXPECT_EQ(ColorToQColor(frame.TransparentColor).rgb(), HorseKey) << h;
  }

  main->GoClick();
  RunTicks(*main, 30);
  ASSERT_FALSE(main->Go->isEnabled());
  const QImage surface = main->Surface();
  EXPECT_EQ(surface.size(), QSize(1600, 1200));
  // A horse in mid-race is its 2× frame pixel for pixel, its key colour left out.
  const int h = 5;
  const QImage frame = main->HorseFrames[h][main->Game.AnimFrame()].Image();
  const TRect& horseRect = main->HorseRect[h];
  const QPoint at = QPoint(horseRect.Left, horseRect.Top) * 2;
  int drawn = 0;
  int mismatched = 0;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb pixel = frame.pixel(x, y) | 0xFF000000u;
      const QRgb shown = surface.pixel(at.x() + x, at.y() + y) | 0xFF000000u;
      if (pixel == HorseKey) {
        mismatched += shown == HorseKey;
        continue;
      }
      ++drawn;
      mismatched += shown != pixel;
    }
  }
  EXPECT_GT(drawn, frame.width() * frame.height() / 5);
  EXPECT_EQ(mismatched, 0);
  EXPECT_GT(SharpShare(surface, horseRect.ToQRect()), Sharp);
  // The title, above the lanes.
  EXPECT_GT(SharpShare(surface, {300, 0, 200, 50}), Sharp);

  FinishRace();
  // The rank written at the post of the first horse in.
  const int first = main->Game.ArrivalOrder()[0].digitValue();
  EXPECT_GT(SharpShare(main->Surface(), {FinishLine + 70, main->Game.HorseY(first) + 32, 8, 12}),
            Sharp);

  // A drop-down's face (picture and number) and the grid's portraits.
  main->PanelPropos->show();
  main->Choix1->setCurrentIndex(0);
  const QImage face = main->Choix1->grab().toImage();
  EXPECT_EQ(face.devicePixelRatio(), 2.0);
  EXPECT_GT(SharpShare(face, {1, 1, SpriteWidth, ChoiceItemHeight}), Sharp);
  EXPECT_GT(SharpShare(main->StringGrid1->grab().toImage(), {2, 2, SpriteWidth, SpriteHeight}),
            Sharp);

  // The cloud's text.
  Application->SetMainForm(main.get());
  TCloudHintWindow cloud;
  cloud.ActivateHint({}, main->Go->toolTip());
  Application->SetMainForm(nullptr);
  const QImage shown = cloud.grab().toImage();

  EXPECT_EQ(shown.size(), cloud.size() * 2);
  EXPECT_GT(SharpShare(shown, cloud.BodyRect.ToQRect().adjusted(8, 8, -8, -8)), Sharp);
}

}  // namespace
