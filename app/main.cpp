#include <QGuiApplication>

#include "app/Entry.h"
#include "toolkit/Application.h"
#include "toolkit/Platform.h"

int main(int argc, char** argv) {
  if (!DisplayOffered(argc, argv)) return 1;
  TApplication application(argc, argv);
  // The title of the error dialog, and the link to the desktop entry for docks and task bars.
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8("Tiercé à deux"));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tiercea2.tierce"));
  return RunEntry(application);
}
