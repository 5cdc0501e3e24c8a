#include "app/USplash.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QTimer>
#include <csignal>

#include "app/Entry.h"
#include "game/UGaloppo.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "toolkit/Application.h"
#include "toolkit/Image.h"

namespace {

void ClickAt(QWidget& widget, QPoint point) {
  QMouseEvent press(QEvent::MouseButtonPress, point, widget.mapToGlobal(point), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, point, widget.mapToGlobal(point), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
  QCoreApplication::sendEvent(&widget, &release);
}

}  // namespace

TEST(Splash, IsABorderlessTopmostPictureThatAClickCloses) {
  TSplash splash;
  EXPECT_EQ(splash.size(), QSize(344, 249));
  EXPECT_EQ(splash.windowTitle(), "Splash");
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(splash.Image1->geometry(), QRect(0, 0, 344, 249));
  EXPECT_EQ(splash.Image1->Picture.Width(), 344);
  EXPECT_EQ(splash.Image1->Picture.Height(), 249);
  splash.show();
  for (QPoint corner : {QPoint(1, 1), QPoint(342, 247)}) {
    splash.show();
    ClickAt(*splash.Image1, corner);
    EXPECT_FALSE(splash.isVisible());
  }
}

// A screen reader whose link to the game comes up once the splash is already active (a loaded
// machine) is told what the splash's opening would have told it.
TEST(Splash, IsIntroducedToAScreenReaderThatArrivesLate) {
  QAccessible::setActive(false);
  TSplash splash;
  splash.show();
  splash.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_TRUE(splash.isActiveWindow());
  QAccessible::setActive(true);
  QCoreApplication::processEvents();
  const auto* notice = splash.findChild<QWidget*>(QStringLiteral("AccessibleNotice"));
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->accessibleName(),
            QString::fromUtf8("Tiercé à deux Entrée, Espace ou un clic pour commencer."));
}

// The game window is made while the splash waits, never shown before the click, which shows
// that very window.
TEST(Entry, ShowsTheSplashFirstAndTheGameOnlyAfterTheClick) {
  TRecordingSoundPlayer silence;
  SetSoundPlayer(&silence);
  bool mainExistedDuringSplash = true;
  TMain* madeAhead = nullptr;
  // Runs inside the splash's modal loop.
  QTimer::singleShot(0, [&] {
    const QDeadlineTimer deadline(10000);
    while (!madeAhead && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<TMain*>(window)) madeAhead = main;
      }
    }
    mainExistedDuringSplash = Main != nullptr;
    ASSERT_NE(Splash, nullptr);
    EXPECT_TRUE(Splash->isVisible());
    ASSERT_NE(madeAhead, nullptr) << "not made while the splash waits";
    EXPECT_FALSE(madeAhead->isVisible());
    ClickAt(*Splash->Image1, QPoint(100, 100));
    // Runs inside the game's event loop.
    QTimer::singleShot(0, [&] {
      ASSERT_NE(Main, nullptr);
      EXPECT_EQ(Main, madeAhead);
      EXPECT_EQ(Application->MainForm(), Main);
      EXPECT_TRUE(Main->isVisible());
      EXPECT_FALSE(Splash->isVisible());
      Main->QuitterClick();
    });
  });
  EXPECT_EQ(RunEntry(*Application), 0);
  EXPECT_FALSE(mainExistedDuringSplash);
  SetSoundPlayer(nullptr);
}

TEST(Entry, EndsCleanlyWhenAskedToTerminateDuringTheSplash) {
  TMain* const before = Main;
  QTimer::singleShot(0, [] { std::raise(SIGTERM); });
  EXPECT_EQ(RunEntry(*Application), 0);
  EXPECT_EQ(Main, before);
  EXPECT_FALSE(Splash->isVisible());
}

TEST(Entry, EndsCleanlyWhenAskedToTerminateDuringTheGame) {
  TRecordingSoundPlayer silence;
  SetSoundPlayer(&silence);
  QTimer::singleShot(0, [] {
    ClickAt(*Splash->Image1, QPoint(10, 10));
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
  });
  EXPECT_EQ(RunEntry(*Application), 0);
  ASSERT_NE(Main, nullptr);
  SetSoundPlayer(nullptr);
}
