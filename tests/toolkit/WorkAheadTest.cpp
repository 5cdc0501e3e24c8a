#include "toolkit/WorkAhead.h"

#include <gtest/gtest.h>

#include <QBackingStore>
#include <QColor>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPaintDevice>
#include <QTimer>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/Bitmap.h"
#include "toolkit/EToolkitError.h"

// The work waits for the window's first frame, then runs a step per turn of the event loop, so
// that what arrives between two steps is handled at once; a failing step is left for later; a
// picture a step read is handed to its next reader, not read again; one never taken is forgotten
// with the work.
TEST(WorkAhead, RunsAfterTheFirstFrameOneStepATurnAndHandsOnWhatItRead) {
  std::vector<std::string> done;
  const uchar* readAhead = nullptr;
  {
    TWorkAhead ahead({
        [&] {
          done.push_back("first");
          QTimer::singleShot(0, [&] { done.push_back("between"); });
        },
        [] { throw EToolkitError("damaged"); },
        [&] {
          WorkAhead::TKeep keep;
          readAhead = TBitmap::FromResource(QStringLiteral("Taken")).Image().constBits();
          TBitmap::FromResource(QStringLiteral("Untaken"));
          done.push_back("read");
        },
        [&] { done.push_back("last"); },
    });
    QWidget window;
    window.resize(40, 30);
    ahead.StartAfterFirstFrame(window);
    QCoreApplication::processEvents();
    EXPECT_TRUE(done.empty()) << "before the first frame";

    window.show();
    const QDeadlineTimer deadline(5000);
    while (done.size() < 3 && !deadline.hasExpired()) QCoreApplication::processEvents();
    ASSERT_GE(done.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(done.begin(), done.begin() + 3),
              (std::vector<std::string>{"first", "between", "read"}));

    const TBitmap taken = TBitmap::FromResource(QStringLiteral("Taken"));
    EXPECT_EQ(taken.Image().constBits(), readAhead) << "read again";
    EXPECT_NE(TBitmap::FromResource(QStringLiteral("Taken")).Image().constBits(), readAhead)
        << "handed out twice";
    ahead.Finish();
    EXPECT_EQ(done.back(), "last");
    EXPECT_EQ(WorkAhead::Kept<TBitmap>().size(), 1u);
  }
  EXPECT_TRUE(WorkAhead::Kept<TBitmap>().empty());
}

namespace {

// The picture a raster backing store holds: where its bytes are, and its colour at a point.
std::pair<const uchar*, QColor> StoreImage(QBackingStore& store, QPoint at) {
  store.beginPaint(QRegion());
  const auto* image = dynamic_cast<const QImage*>(store.paintDevice());
  std::pair<const uchar*, QColor> seen{nullptr, QColor()};
  if (image) seen = {image->constBits(), image->pixelColor(at)};
  store.endPaint();
  return seen;
}

}  // namespace

// The unshown window is drawn into its own backing store, which showing it then keeps and draws
// into again: the memory touched ahead is the memory shown.
TEST(WorkAhead, DrawsTheUnshownWindowIntoTheStoreItIsThenShownFrom) {
  QWidget window;
  window.resize(40, 30);
  window.setStyleSheet(QStringLiteral("background: #123456"));
  (void)window.winId();  // its system window, made unmapped
  WorkAhead::DrawUnshown(window);
  QBackingStore* store = window.backingStore();
  ASSERT_NE(store, nullptr);
  const auto [drawn, colour] = StoreImage(*store, QPoint(20, 15));
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(colour, QColor(0x123456));

  window.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(window.backingStore(), store);
  EXPECT_EQ(StoreImage(*store, QPoint(20, 15)).first, drawn) << "made again";
}
