#include "toolkit/Platform.h"

#include <cstdlib>
#include <string_view>

namespace {

bool Set(const char* value) {
  return value && *value;
}

}  // namespace

bool ShouldPreferX11(int argc, const char* const* argv, const char* platformVariable,
                     const char* display) {
  // Qt takes its options with one dash or two.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return false;
  }
  return !Set(platformVariable) && Set(display);
}

void PreferX11WhenOffered(int argc, const char* const* argv) {
  if (ShouldPreferX11(argc, argv, std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"))) {
    // Wayland stays the fallback, for an X display that is offered but does not answer.
    setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
  }
}
