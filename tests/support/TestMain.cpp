// Every test program runs headless: no display, no sound card; in French, the game's own
// language, whatever the machine's.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/Application.h"
#include "toolkit/Translation.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER",
          qgetenv("SDL_AUDIODRIVER").isEmpty() ? "dummy" : qgetenv("SDL_AUDIODRIVER"));
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(variable);
  qputenv("LANG", "C.UTF-8");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication qt(argc, argv);
  Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
