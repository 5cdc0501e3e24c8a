#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "cldhint/CldHint.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Random.h"

namespace {

// The cursor and the screen width where the test puts them.
class TPinnedCloudWindow : public TCloudHintWindow {
 public:
  QPoint CursorPosition() const override { return Cursor; }
  QRect ScreenArea(const QPoint&) const override { return Screen; }
  QPoint Cursor{10, 10};
  QRect Screen{0, 0, 800, 800};
};

using TClub = TCloudHintWindow::TClub;

// "Partir" in the game's 11-pixel font is 26 x 12 pixels; from seed 12345 the walk round that
// block makes these clubs and leaves the generator at the given seed.
constexpr uint32_t Seed = 12345;
const std::vector<TClub> PartirClubs = {
    {{0, 0}, 7},   {{9, 0}, 6},  {{18, 0}, 7}, {{26, 1}, 7}, {{26, 8}, 6},
    {{19, 12}, 8}, {{9, 12}, 6}, {{0, 11}, 7}, {{0, 2}, 8},
};
constexpr uint32_t SeedAfterPartir = 3438479303u;
// The drop-downs' hint, the game's widest: from seed 12345 its cloud is 437 x 68.
const QString DropDownHint =
    "Vous devez choisir trois chevaux différents, puis cliquer sur un des deux personnages";

class CloudHintWindow : public ::testing::Test {
 protected:
  CloudHintWindow() {
    SetFormFont(form, "MS Sans Serif", 11);
    Application->SetMainForm(&form);
    hint = new TCloudHint(&form);
  }
  ~CloudHintWindow() override { Application->SetMainForm(nullptr); }

  void Activate(const QString& text, QPoint cursor = {10, 10}, uint32_t seed = Seed) {
    RandSeed = seed;
    window.Cursor = cursor;
    window.ActivateHint({}, text);
  }
  static int LineHeight() { return QFontMetrics(TFont().ToQFont()).height(); }
  static int TextWidth(const QString& text) {
    return QFontMetrics(TFont().ToQFont()).horizontalAdvance(text);
  }

  QWidget form;
  TCloudHint* hint = nullptr;  // owned by the form
  TPinnedCloudWindow window;
};

TEST_F(CloudHintWindow, FindsTheFirstComponentOfTheMainWindowOnly) {
  TCloudHint second(&form);
  EXPECT_EQ(TCloudHintWindow::LocateCloudHint(), hint);

  QWidget other;
  TCloudHint elsewhere(&other);
  Application->SetMainForm(&other);
  EXPECT_EQ(TCloudHintWindow::LocateCloudHint(), &elsewhere);
  QWidget bare;
  Application->SetMainForm(&bare);
  EXPECT_EQ(TCloudHintWindow::LocateCloudHint(), nullptr);
  Application->SetMainForm(nullptr);
  EXPECT_EQ(TCloudHintWindow::LocateCloudHint(), nullptr);

  // No component: nothing is measured, shaped or shown, and the generator is untouched.
  window.CloudHint = hint;
  Activate("Partir");
  EXPECT_EQ(window.CloudHint, nullptr);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(RandSeed, Seed);
}

TEST_F(CloudHintWindow, MeasureLinesSplitsAtRunsOfControlCharacters) {
  const int lh = LineHeight();
  struct Case {
    const char* name;
    QString text;
    int32_t w;
    int32_t h;
  };
  const Case cases[] = {
      {"one line", "Partir", TextWidth("Partir"), lh},
      {"CR LF CR LF", "A\r\n\r\nWW", TextWidth("WW"), 2 * lh},
      {"tab", "WW\tA", TextWidth("WW"), 2 * lh},
      {"leading control makes an empty first line", "\r\nA", TextWidth("A"), 2 * lh},
      {"trailing controls add nothing", "A\r\n", TextWidth("A"), lh},
      {"empty", "", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(window.MeasureLines(c.text), QSize(c.w, c.h));
  }
}

// The leftmost and rightmost inked columns of rows [top, bottom), or (-1, -1).
std::pair<int, int> InkColumns(const QImage& image, int top, int bottom) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = top; y < bottom; ++y) {
      if (image.pixel(x, y) != 0xFFFFFFFFu) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return {first, last};
}

TEST_F(CloudHintWindow, DrawLinesAlignsEachLineInTheCentredBlock) {
  const QString text = "WWWW\nii";
  const QSize block = window.MeasureLines(text);
  const int w = block.width();
  const int h = block.height();
  const int lh = LineHeight();
  const int narrow = TextWidth("ii");
  const TRect r{10, 5, 110, 65};
  const int blockLeft = r.Left + (r.Width() - w) / 2;
  const int blockTop = r.Top + (r.Height() - h) / 2;

  std::pair<int, int> leftInk;
  struct Case {
    TAlignment alignment;
    int shift;  // of the second line against the left-justified one
  };
  for (const Case& c : {Case{taLeftJustify, 0}, Case{taRightJustify, w - narrow},
                        Case{taCenter, (w - narrow) / 2}, Case{TAlignment(7), 0}}) {
    SCOPED_TRACE(int(c.alignment));
    QImage image(120, 70, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(image);
    canvas.Font = TFont();
    canvas.Brush.Style = TBrushStyle::Clear;
    window.DrawLines(canvas, text, r, block, c.alignment);
    // The first line fills the block, so its ink lies within it.
    const auto top = InkColumns(image, blockTop, blockTop + lh);
    EXPECT_GE(top.first, blockLeft);
    EXPECT_LT(top.second, blockLeft + w);
    const auto second = InkColumns(image, blockTop + lh, blockTop + 2 * lh);
    ASSERT_GE(second.first, 0);
    if (c.alignment == taLeftJustify) leftInk = second;
    EXPECT_EQ(second.first - leftInk.first, c.shift);
    EXPECT_EQ(InkColumns(image, 0, blockTop).first, -1);  // nothing above the block
  }
}

TEST_F(CloudHintWindow, BuildsTheSameCloudForASeedAndPlacesItAtTheCursorsCorner) {
  struct Case {
    const char* corner;
    QPoint cursor;
    bool right;
    bool down;
    QPoint topLeft;
    std::vector<TRect> smoke;
    TRect body;
  };
  const Case cases[] = {
      {"top left, from the lowest row that extends down",
       {10, 76},
       true,
       true,
       {10, 76},
       {{4, 8, 4, 8}, {7, 15, 9, 17}, {10, 22, 14, 26}, {14, 30, 18, 34}},
       {0, 40, 46, 67}},
      {"top right",
       {790, 10},
       false,
       true,
       {744, 10},
       {{42, 8, 42, 8}, {37, 15, 39, 17}, {32, 22, 36, 26}, {28, 30, 32, 34}},
       {0, 40, 46, 67}},
      {"bottom left, from the highest row that extends up",
       {10, 77},
       true,
       false,
       {10, 10},
       {{4, 59, 4, 59}, {7, 50, 9, 52}, {10, 41, 14, 45}, {14, 33, 18, 37}},
       {0, 0, 46, 27}},
      {"bottom right",
       {790, 790},
       false,
       false,
       {744, 723},
       {{42, 59, 42, 59}, {37, 50, 39, 52}, {32, 41, 36, 45}, {28, 33, 32, 37}},
       {0, 0, 46, 27}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.corner);
    Activate("Partir", c.cursor);
    EXPECT_EQ(window.CloudHint, hint);
    EXPECT_EQ(hint->CursorPos(), c.cursor);
    EXPECT_EQ(window.Text(), "Partir");
    EXPECT_EQ(window.TextBlockWidth, 26);
    EXPECT_EQ(window.TextBlockHeight, 12);
    EXPECT_EQ(window.Clubs(), PartirClubs);
    EXPECT_EQ(RandSeed, SeedAfterPartir);
    EXPECT_EQ(window.Bounds(), (TRect{-8, -7, 38, 60}));
    EXPECT_EQ(window.ExtendsRight, c.right);
    EXPECT_EQ(window.ExtendsDown, c.down);
    EXPECT_EQ(window.Placement(),
              (TRect{c.topLeft.x(), c.topLeft.y(), c.topLeft.x() + 46, c.topLeft.y() + 67}));
    EXPECT_EQ(window.size(), QSize(46, 67));
    EXPECT_EQ(window.SmokeEllipses(), c.smoke);
    EXPECT_EQ(window.BodyRect, c.body);
    EXPECT_TRUE(window.isVisible());

    // The block and each club sit 8 right of and 7 (+40 below the band) under the corner.
    const QRegion shape = window.mask();
    const QPoint offset(8, c.down ? 47 : 7);
    EXPECT_TRUE(shape.contains(QPoint(13, 6) + offset));  // middle of the text block
    for (const TClub& club : PartirClubs) {
      EXPECT_TRUE(shape.contains(club.Centre + offset));
      EXPECT_TRUE(shape.contains(club.Centre + offset + QPoint(0, club.Radius - 1)));
    }
    // The clubs reach the bounds on every side.
    const QRect cloud(0, offset.y() - 7, 41, 27);
    const QRect reached = shape.intersected(cloud).boundingRect();
    // Qt rasterises a circle of radius 7 one row short of its box's top.
    EXPECT_EQ(reached.adjusted(0, -1, 0, 0), cloud);
    for (const TRect& bubble : c.smoke) {
      if (bubble.IsEmpty()) continue;
      EXPECT_TRUE(shape.contains(bubble.ToQRect().center()));
    }
    // The right margin, and the band outside the bubbles, are not part of the window.
    EXPECT_FALSE(shape.contains(QPoint(42, offset.y() + 6)));
    EXPECT_FALSE(shape.contains(QPoint(c.right ? 40 : 5, c.down ? 20 : 47)));
    EXPECT_EQ(shape.boundingRect().right(), 40);
  }
}

TEST_F(CloudHintWindow, PlacesWithinTheCursorsScreenCorrectingOnlyTheHorizontalPosition) {
  struct Case {
    const char* name;
    QPoint cursor;
    QRect screen;
    bool right;
    int32_t left;
    int32_t top = 233;
    QString text = "Partir";
  };
  // The cloud is 46 x 67. Two 800-pixel monitors side by side, with the second one's left edge
  // at 800 or at -800, must give the same sides and corrections as one monitor at 0; stacked
  // monitors, the same upward or downward side as one monitor whose top is at 0. Each side and
  // each correction is taken one pixel either side of where it switches, with the narrow cloud
  // and the wide one.
  const QRect screen{0, 0, 800, 600};
  const Case cases[] = {
      {"would start left of the screen", {40, 300}, {0, 0, 50, 600}, false, 0},
      {"would end past the right edge", {770, 300}, {0, 0, 800, 600}, true, 754},
      {"overflows both edges and stays", {40, 300}, {0, 0, 30, 600}, false, -6},
      {"fits", {400, 300}, {0, 0, 800, 600}, true, 400},
      {"right monitor, near its left edge", {810, 300}, {800, 0, 800, 600}, true, 810},
      {"right monitor, at its right edge", {1590, 300}, {800, 0, 800, 600}, false, 1544},
      {"right monitor, too narrow a start", {840, 300}, {800, 0, 50, 600}, false, 800},
      {"left monitor, at its right edge", {-10, 300}, {-800, 0, 800, 600}, false, -56},
      {"left monitor, near its left edge", {-790, 300}, {-800, 0, 800, 600}, true, -790},
      {"left monitor, would end past it", {-30, 300}, {-800, 0, 800, 600}, true, -46},
      {"lower monitor, just below its top", {400, 610}, {0, 600, 800, 600}, true, 400, 610},
      {"lower monitor, last row down", {400, 676}, {0, 600, 800, 600}, true, 400, 676},
      {"lower monitor, first row up", {400, 677}, {0, 600, 800, 600}, true, 400, 610},
      {"upper monitor, at its bottom", {400, -10}, {0, -600, 800, 600}, true, 400, -77},
      {"upper monitor, near its top", {400, -590}, {0, -600, 800, 600}, true, 400, -590},
      {"last column extending right", {783, 300}, screen, true, 754},
      {"first column extending left", {784, 300}, screen, false, 738},
      {"right edge reached", {754, 300}, screen, true, 754},
      {"right edge passed by one", {755, 300}, screen, true, 754},
      {"one wider than the screen, short on the left, stays",
       {45, 300},
       {0, 0, 45, 600},
       false,
       -1},
      {"one wider than the screen, at its left edge, stays", {46, 300}, {0, 0, 45, 600}, false, 0},
      {"as wide as the screen, short on the left, moved", {45, 300}, {0, 0, 46, 600}, false, 0},
      {"wide, last column extending right", {392, 300}, screen, true, 363, 232, DropDownHint},
      {"wide, first column extending left", {393, 300}, screen, false, 0, 232, DropDownHint},
      {"wide, right edge reached", {363, 300}, screen, true, 363, 232, DropDownHint},
      {"wide, right edge passed by one", {364, 300}, screen, true, 363, 232, DropDownHint},
      {"wide, left edge reached", {437, 300}, screen, false, 0, 232, DropDownHint},
      {"wide, left edge passed by one", {436, 300}, screen, false, 0, 232, DropDownHint},
      {"wide, last row extending down", {100, 77}, screen, true, 100, 77, DropDownHint},
      {"wide, first row extending up", {100, 78}, screen, true, 100, 10, DropDownHint},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window.Screen = c.screen;
    Activate(c.text, c.cursor);
    EXPECT_EQ(window.ExtendsRight, c.right);
    EXPECT_EQ(window.ExtendsDown, c.top == c.cursor.y());
    EXPECT_EQ(window.Placement().Left, c.left);
    EXPECT_EQ(window.Placement().Top, c.top);
    // The smoke stays in the half chosen for the cursor, even after a move.
    EXPECT_EQ(window.SmokeEllipses()[3].ToQRect().center().x() < window.width() / 2, c.right);
  }
}

TEST_F(CloudHintWindow, MaxClubCapsTheRadiiOnlyAboveOne) {
  const QString threeLines = "Choisissez\nle premier\ncheval";  // 36 pixels high
  struct Case {
    int32_t maxClub;
    bool capped;
  };
  for (const Case& c :
       {Case{2, true}, Case{5, true}, Case{20, true}, Case{1, false}, Case{0, false}}) {
    SCOPED_TRACE(c.maxClub);
    hint->SetMaxClub(c.maxClub);
    Activate(threeLines);
    const int32_t th = window.WrapHeight();
    ASSERT_EQ(th, 3 * LineHeight());
    int32_t largest = 0;
    for (const TClub& club : window.Clubs()) {
      largest = std::max(largest, club.Radius);
      if (c.capped) {
        EXPECT_LE(club.Radius, c.maxClub);
      } else {
        EXPECT_GE(club.Radius, th / 2);
        EXPECT_LE(club.Radius, th / 2 + th / 4 - 1);
      }
    }
    // Below the smallest possible radius every club is cut to the cap.
    if (c.maxClub == 5) {
      EXPECT_EQ(largest, 5);
    }
    if (!c.capped) {
      EXPECT_GT(largest, 20);
    }
  }
  hint->SetMaxClub(5);
  Activate("Partir", {10, 10}, 2);
  for (const TClub& club : window.Clubs()) EXPECT_EQ(club.Radius, 5);
  EXPECT_EQ(window.Clubs().size(), 13u);  // the last step ends exactly where the walk ends
  EXPECT_EQ(window.Bounds(), (TRect{-5, -5, 36, 57}));

  // The cap changes nothing at the largest radius drawn and bites one pixel under it.
  for (const QString& text : {QString("Partir"), DropDownHint}) {
    SCOPED_TRACE(text.size());
    const auto largestRadius = [this] {
      int32_t largest = 0;
      for (const TClub& club : window.Clubs()) largest = std::max(largest, club.Radius);
      return largest;
    };
    hint->SetMaxClub(0);
    Activate(text);
    const std::vector<TClub> free = window.Clubs();
    const int32_t largest = largestRadius();
    hint->SetMaxClub(largest);
    Activate(text);
    EXPECT_EQ(window.Clubs(), free);
    hint->SetMaxClub(largest - 1);
    Activate(text);
    EXPECT_NE(window.Clubs(), free);
    EXPECT_EQ(largestRadius(), largest - 1);
  }
}

TEST(CloudOutline, TurnsExactlyAtEachCorner) {
  for (const QSize block : {QSize(26, 12), QSize(417, 12)}) {
    SCOPED_TRACE(block.width());
    const int32_t tw = block.width();
    const int32_t th = block.height();
    const struct {
      int32_t s;
      QPoint point;
    } cases[] = {
        {0, {0, 0}},
        {tw, {tw, 0}},
        {tw + 1, {tw, 1}},
        {tw + th, {tw, th}},
        {tw + th + 1, {tw - 1, th}},
        {2 * tw + th, {0, th}},
        {2 * tw + th + 1, {0, th - 1}},
        {2 * tw + 2 * th, {0, 0}},
        {2 * tw + 2 * th + 1, {1, 0}},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(TCloudHintWindow::OutlinePoint(c.s, tw, th), c.point) << c.s;
    }
  }
}

// The smoke's bubbles are neither higher than wide nor wider than twice their height; without
// smoke, the band stays but is empty.
TEST_F(CloudHintWindow, TheSmokeBandHoldsBubblesOfBoundedShapeOrNothing) {
  // An empty text beside a w x 9 icon makes a block 2w x 12, so the smoke band, half the cloud,
  // can be set where a bubble's height starts to follow its width (79 / 80) and where its width
  // stops growing (167 / 168).
  struct Case {
    int32_t iconWidth;
    uint32_t seed;
    int32_t band;
    std::vector<QSize> bubbles;
  };
  const Case cases[] = {
      {69, 2, 79, {{4, 4}, {8, 8}, {14, 14}, {18, 18}}},
      {70, 2, 80, {{4, 4}, {10, 10}, {14, 14}, {20, 20}}},
      {157, 1, 167, {{8, 4}, {20, 10}, {28, 14}, {40, 20}}},
      {158, 1, 168, {{8, 4}, {20, 10}, {28, 14}, {40, 20}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.band);
    hint->SetIcon(TBitmap(c.iconWidth, 9));
    Activate("", {300, 300}, c.seed);
    ASSERT_EQ(window.Placement().Width() / 2, c.band);
    std::vector<QSize> bubbles;
    for (const TRect& bubble : window.SmokeEllipses())
      bubbles.emplace_back(bubble.Width(), bubble.Height());
    EXPECT_EQ(bubbles, c.bubbles);
  }

  hint->SetIcon(TBitmap());
  hint->SetHintSmoke(false);
  Activate("Partir", {10, 10});
  EXPECT_TRUE(window.SmokeEllipses().empty());
  EXPECT_EQ(window.size(), QSize(46, 67));
  EXPECT_EQ(window.BodyRect, (TRect{0, 40, 46, 67}));
  EXPECT_TRUE(window.mask().intersected(QRect(0, 0, 46, 40)).isEmpty());
}

TEST_F(CloudHintWindow, AnIconWidensAndHeightensTheBlock) {
  hint->SetIcon(TBitmap(32, 32));
  Activate("Partir");
  EXPECT_EQ(window.TextBlockWidth, 26);
  EXPECT_EQ(window.WrapWidth(), 26 + 64);
  EXPECT_EQ(window.WrapHeight(), 42);
}

TEST_F(CloudHintWindow, EveryActivationDrawsANewOutline) {
  RandSeed = Seed;
  window.ActivateHint({}, "Partir");
  const auto first = window.Clubs();
  const QRegion firstShape = window.mask();
  window.ActivateHint({}, "Partir");
  EXPECT_NE(window.Clubs(), first);
  EXPECT_NE(window.mask(), firstShape);
}

TEST_F(CloudHintWindow, TellsTheHandlerWhereTheCursorIs) {
  std::vector<std::tuple<TCloudHint*, int32_t, int32_t>> calls;
  hint->OnHint = [&](TCloudHint* sender, int32_t x, int32_t y) {
    calls.emplace_back(sender, x, y);
  };
  Activate("Partir", {123, 456});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::make_tuple(hint, 123, 456));
}

TEST_F(CloudHintWindow, BlocksUnderTwoPixelsHighGiveTheBareBlockWithoutHanging) {
  struct Case {
    const char* name;
    QSize icon;                   // empty: none
    std::optional<TRect> bounds;  // none: the block has clubs
  };
  // Beside an empty text, a 1-pixel-high icon makes a 1-pixel-high block, a 2-pixel one a
  // 2-pixel block.
  const Case cases[] = {
      {"no icon", {}, TRect{0, 0, 5, 40}},
      {"1 pixel high", {1, 1}, TRect{0, 0, 7, 41}},
      {"2 pixels high", {1, 2}, std::nullopt},
      {"wide, 1 pixel high", {200, 1}, TRect{0, 0, 405, 41}},
      {"wide, 2 pixels high", {200, 2}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hint->SetIcon(c.icon.isEmpty() ? TBitmap() : TBitmap(c.icon.width(), c.icon.height()));
    Activate("");
    if (c.bounds) {
      EXPECT_TRUE(window.Clubs().empty());
      EXPECT_EQ(window.Bounds(), *c.bounds);
      EXPECT_EQ(RandSeed, Seed);
    } else {
      // The smallest clubs there are, all the way round.
      ASSERT_FALSE(window.Clubs().empty());
      for (const TClub& club : window.Clubs()) EXPECT_EQ(club.Radius, 1);
      EXPECT_EQ(window.Clubs().back().Centre.y(), 0);
    }
  }
}

bool SameColour(QRgb pixel, TColor colour) {
  return (pixel & 0xFFFFFFu) == (ColorToQColor(colour).rgb() & 0xFFFFFFu);
}

TEST_F(CloudHintWindow, PaintsTheColourBrushTilesIconAndText) {
  Activate("Partir", {10, 10});  // body (0, 40)-(46, 67), text block at (10, 47)
  const auto paint = [this] {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    TCanvas canvas(image);
    window.Paint(canvas);
    return image;
  };
  QImage image = paint();
  EXPECT_TRUE(SameColour(image.pixel(0, 0), clAqua));
  EXPECT_TRUE(SameColour(image.pixel(45, 66), clAqua));
  int ink = 0;
  for (int y = 47; y < 59; ++y) {
    for (int x = 10; x < 36; ++x) ink += SameColour(image.pixel(x, y), clWindowText);
  }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(QImage(window.grab().toImage().convertToFormat(QImage::Format_RGB32)), image);

  // A hatched brush leaves the hint colour between its lines.
  hint->SetHintColor(clYellow);
  hint->SetBrush({clRed, TBrushStyle::Horizontal});
  image = paint();
  int yellow = 0;
  int red = 0;
  for (int y = 0; y < 40; ++y) {
    yellow += SameColour(image.pixel(2, y), clYellow);
    red += SameColour(image.pixel(2, y), clRed);
  }
  EXPECT_GT(yellow, 0);
  EXPECT_GT(red, 0);

  // Tiles start at the client origin, in as many rows and columns as the body needs plus one.
  TBitmap tile(8, 8);
  tile.Image().fill(Qt::green);
  hint->SetTiledImage(tile);
  image = paint();
  EXPECT_TRUE(SameColour(image.pixel(0, 0), 0x00FF00));
  EXPECT_TRUE(SameColour(image.pixel(45, 39), 0x00FF00));   // 6 columns, 5 rows
  EXPECT_FALSE(SameColour(image.pixel(45, 40), 0x00FF00));  // of a 27-pixel-high body

  // Pictures with no pixels are neither tiled nor drawn.
  hint->SetTiledImage(TBitmap(0, 8));
  hint->SetIcon(TBitmap(8, 0));
  image = paint();
  EXPECT_TRUE(SameColour(image.pixel(1, 1), clYellow) || SameColour(image.pixel(1, 1), clRed));
}

TEST_F(CloudHintWindow, WithoutAComponentPaintingDoesNothing) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  const QImage before = image;
  TCanvas canvas(image);
  window.Paint(canvas);
  EXPECT_EQ(image, before);

  // The component goes away while its cloud is shown.
  Activate("Partir");
  delete hint;
  EXPECT_EQ(window.CloudHint, nullptr);
  window.Paint(canvas);
  EXPECT_EQ(image, before);
  window.grab();
}

TEST_F(CloudHintWindow, IsTheApplicationsHintWindowAndAFocuslessPopup) {
  auto* installed = dynamic_cast<TCloudHintWindow*>(Application->HintWindow());
  ASSERT_NE(installed, nullptr);
  const Qt::WindowFlags flags = installed->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::ToolTip));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(installed->testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_FALSE(installed->isVisible());
}

}  // namespace
