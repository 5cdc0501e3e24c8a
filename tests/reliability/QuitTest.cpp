// "Quitter le jeu" at every moment, and the window closed: the program ends at once, with status
// 0 and no sanitizer report. Each case runs the game's whole start-up (RunEntry) in a child
// process of this test program, clicked and quit by timers as a player would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/Entry.h"
#include "app/USplash.h"
#include "game/UGaloppo.h"
#include "toolkit/Application.h"
#include "toolkit/Image.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/Timer.h"

namespace {

constexpr char kScenario[] = "TIERCE_QUIT_SCENARIO";

long long NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Press(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

// Tells the parent when the quit was asked for, so that it can time the end.
void Announce(const char* what) {
  std::printf("%s %lld\n", what, NowMs());
  std::fflush(stdout);
}

void QuitFromMenu() {
  Announce("QUIT");
  Main->Quitter->trigger();
}

// The race in silence, so that the start signal does not hold the game: the switch flipped as
// the menu flips it.
void SoundsOff() {
  if (Main->Game.SoundsOn()) Main->Jouersons1Click();
}

// What the player does once the game window is up, in each case.
void Play(const QByteArray& scenario) {
  if (scenario == "idle") {
    QuitFromMenu();
  } else if (scenario == "race") {
    SoundsOff();
    Press(Main->Go);
    QTimer::singleShot(700, [] {
      if (!Main->TimerAvancer->Active()) Announce("NOT-RACING");
      QuitFromMenu();
    });
  } else if (scenario == "bravo") {
    // The start signal holds the game until it ends; the crowd then plays in the background.
    Press(Main->Go);
    QTimer::singleShot(100, QuitFromMenu);
  } else if (scenario == "cloud") {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), Main->Go->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(Main->Go, &enter);
    QTimer::singleShot(600, [] {
      const THintWindow* cloud = Application->HintWindow();
      if (!cloud || !cloud->isVisible()) Announce("NO-CLOUD");
      QuitFromMenu();
    });
  } else if (scenario == "menu") {
    Main->PopupMenu1->popup(Main->mapToGlobal(QPoint(400, 300)));
    QTimer::singleShot(100, QuitFromMenu);
  } else if (scenario == "close") {
    SoundsOff();
    Press(Main->Go);
    QTimer::singleShot(500, [] {
      Announce("QUIT");
      Main->close();
    });
  }
}

// The child: the program's own start-up, driven by timers.
TEST(QuitChild, RunsTheGameUntilItQuits) {
  const QByteArray scenario = qgetenv(kScenario);
  if (scenario.isEmpty()) GTEST_SKIP() << "started by the Quit cases";
  // The splash waits for its click inside its own modal loop.
  QTimer splashClicker;
  QObject::connect(&splashClicker, &QTimer::timeout, [&] {
    if (Splash && Splash->isVisible()) Press(Splash->Image1);
    if (Main && Main->isVisible()) {
      splashClicker.stop();
      Play(scenario);
    }
  });
  splashClicker.start(50);
  const int status = RunEntry(*Application);
  // As main() would: the status leaves through exit, after the windows are gone.
  Application->~TApplication();
  std::fflush(stdout);
  std::exit(status);
}

struct TQuitCase {
  const char* scenario;
  const char* moment;
};

TEST(Quitting, EndsTheProgramAtOnceWithStatusZeroAtEveryMoment) {
  const TQuitCase cases[] = {
      {"idle", "with nothing going on"},  {"race", "during a race"},
      {"bravo", "while the crowd plays"}, {"cloud", "while a cloud is shown"},
      {"menu", "from the opened menu"},   {"close", "by closing the window during a race"},
  };
  for (const TQuitCase& c : cases) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kScenario, c.scenario);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SDL_AUDIODRIVER", "dummy");
    // Its own settings: a switch a case turns off must not silence the next case.
    const QTemporaryDir configuration;
    environment.insert("XDG_CONFIG_HOME", configuration.path());
    child.setProcessEnvironment(environment);
    // Built for another machine, the tests run under an emulator, and so must the child.
    const QString emulator = QStringLiteral(TIERCE_EMULATOR);
    QStringList command{QCoreApplication::applicationFilePath(),
                        "--gtest_filter=QuitChild.RunsTheGameUntilItQuits"};
    if (!emulator.isEmpty()) command.prepend(emulator);
    child.start(command.takeFirst(), command);
    ASSERT_TRUE(child.waitForStarted()) << c.moment;
    const bool ended = child.waitForFinished(60000);
    const long long endedAt = NowMs();
    if (!ended) child.kill();
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(child.readAllStandardError());
    const std::string report = (out + err).toStdString();
    ASSERT_TRUE(ended) << c.moment << ": the program did not end\n" << report;
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << c.moment << "\n" << report;
    EXPECT_EQ(child.exitCode(), 0) << c.moment << "\n" << report;
    for (const char* trouble : {"Sanitizer", "runtime error", "NOT-RACING", "NO-CLOUD"}) {
      EXPECT_FALSE(out.contains(trouble) || err.contains(trouble))
          << c.moment << ": " << trouble << "\n"
          << report;
    }
    const qsizetype at = out.indexOf("QUIT ");
    ASSERT_GE(at, 0) << c.moment << ": never quit\n" << report;
    const long long quitAt = out.mid(at + 5).section('\n', 0, 0).toLongLong();
    // "At once": the time to close the windows and the sound device, with slack for sanitizers.
    EXPECT_LT(endedAt - quitAt, 3000) << c.moment;
  }
}

}  // namespace
