#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "toolkit/EToolkitError.h"
#include "toolkit/Timer.h"

namespace {

// Collects what would go to the error dialog.
class ErrorLog {
 public:
  ErrorLog() {
    Application->OnException = [this](const std::exception& e) { messages.push_back(e.what()); };
  }
  ~ErrorLog() { Application->OnException = nullptr; }
  std::vector<std::string> messages;
};

}  // namespace

TEST(Application, ToolkitErrorsInHandlersGoToTheErrorDialog) {
  ErrorLog log;
  RunGuarded([] { throw EToolkitError("Ressource introuvable : Chevaux"); });
  TTimer timer;
  timer.OnTimer = [] { throw EToolkitError("Pas assez de timers disponibles"); };
  timer.SetInterval(1);
  QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  timer.SetInterval(0);
  ASSERT_GE(log.messages.size(), 2u);
  EXPECT_EQ(log.messages[0], "Ressource introuvable : Chevaux");
  EXPECT_EQ(log.messages[1], "Pas assez de timers disponibles");
}

TEST(Application, ClosingTheMainWindowEndsTheEventLoop) {
  QWidget* window = Application->Create<QWidget>();
  QWidget* previous = Application->MainForm();
  Application->SetMainForm(window);
  QTimer::singleShot(0, [window] { window->close(); });
  // Without the close the loop would run until the guard below stops it with another status.
  QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(Application->Run(), 0);
  Application->SetMainForm(previous);
}
