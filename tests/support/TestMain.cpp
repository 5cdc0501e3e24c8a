// Every test program runs headless: no display, no sound card; in French, the game's own
// language, whatever the machine's; with a configuration folder of its own, emptied before each
// test, so that no test reads the user's settings or another test's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <utility>

#include "toolkit/Application.h"
#include "toolkit/Translation.h"

namespace {

class TFreshConfiguration : public ::testing::EmptyTestEventListener {
 public:
  explicit TFreshConfiguration(QString folder) : folder_(std::move(folder)) {}
  void OnTestStart(const ::testing::TestInfo&) override {
    QDir(folder_).removeRecursively();
    QDir().mkpath(folder_);
  }

 private:
  QString folder_;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER",
          qgetenv("SDL_AUDIODRIVER").isEmpty() ? "dummy" : qgetenv("SDL_AUDIODRIVER"));
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(variable);
  qputenv("LANG", "C.UTF-8");
  const QTemporaryDir home;
  const QString configuration = home.filePath(QStringLiteral("config"));
  qputenv("XDG_CONFIG_HOME", configuration.toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshConfiguration(configuration));
  QApplication qt(argc, argv);
  Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
