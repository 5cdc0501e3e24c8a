#include <QGuiApplication>

#include "app/Entry.h"
#include "toolkit/Application.h"
#include "toolkit/Platform.h"
#include "toolkit/Sound.h"
#include "toolkit/Translation.h"

int main(int argc, char** argv) {
  // First, so that even the word that no display answered is in the user's language.
  Translation::Load(QStringLiteral("tierce"), QStringLiteral("fr"));
  if (!DisplayOffered(argc, argv)) return 1;
  const QString name = QString::fromUtf8("Tiercé à deux");
  const QString desktopEntry = QStringLiteral("io.github.tiercea2.tierce");
  // A mixer shows the game's sound by its name and icon; the desktop treats it as a game's.
  NameSoundStream(name, desktopEntry,
                  Translation::Text("main", QT_TRANSLATE_NOOP("main", "Sons de la course")));
  TApplication application(argc, argv);
  // The title of the error dialog, and the link to the desktop entry for docks and task bars.
  QGuiApplication::setApplicationDisplayName(name);
  QGuiApplication::setDesktopFileName(desktopEntry);
  return RunEntry(application);
}
