#include "toolkit/Platform.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "toolkit/Translation.h"

namespace {

bool Set(const char* value) {
  return value && *value;
}

TPlatformStart ChooseFromEnvironment(int argc, const char* const* argv) {
  return ChoosePlatformStart(argc, argv, std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                             std::getenv("WAYLAND_DISPLAY"));
}

}  // namespace

TPlatformStart ChoosePlatformStart(int argc, const char* const* argv, const char* platformVariable,
                                   const char* display, const char* waylandDisplay) {
  // Qt takes its options with one dash or two.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return TPlatformStart::AsChosen;
  }
  if (Set(platformVariable)) return TPlatformStart::AsChosen;
  if (Set(display)) return TPlatformStart::PreferX11;
  return Set(waylandDisplay) ? TPlatformStart::AsChosen : TPlatformStart::NoDisplay;
}

void PreferX11WhenOffered(int argc, const char* const* argv) {
  if (ChooseFromEnvironment(argc, argv) == TPlatformStart::PreferX11) {
    // Wayland stays the fallback, for an X display that is offered but does not answer.
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
  }
}

bool DisplayOffered(int argc, const char* const* argv) {
  if (ChooseFromEnvironment(argc, argv) != TPlatformStart::NoDisplay) return true;
  const std::string_view path = argc > 0 ? argv[0] : "";
  const std::string_view program = path.substr(path.find_last_of('/') + 1);
  const QString message =
      Translation::Text("Platform", QT_TRANSLATE_NOOP("Platform",
                                                      "%1 : aucun écran où ouvrir sa fenêtre (ni "
                                                      "DISPLAY ni WAYLAND_DISPLAY n'est défini)"));
  std::fprintf(
      stderr, "%s\n",
      qPrintable(message.arg(QString::fromUtf8(program.data(), qsizetype(program.size())))));
  return false;
}
