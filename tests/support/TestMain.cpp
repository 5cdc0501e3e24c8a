// Every test program runs headless: no display, no sound card.
#include <gtest/gtest.h>

#include <QApplication>

#include "toolkit/Application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SDL_AUDIODRIVER",
          qgetenv("SDL_AUDIODRIVER").isEmpty() ? "dummy" : qgetenv("SDL_AUDIODRIVER"));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication qt(argc, argv);
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
