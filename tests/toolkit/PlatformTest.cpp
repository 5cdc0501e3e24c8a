#include <gtest/gtest.h>

#include <vector>

#include "toolkit/Platform.h"

namespace {

TEST(Platform, X11IsPreferredOnlyWhereOfferedAndNotChosenOtherwise) {
  struct Case {
    const char* name;
    std::vector<const char*> argv;
    const char* platformVariable;
    const char* display;
    bool x11;
  };
  const Case cases[] = {
      {"a Wayland session that offers XWayland", {"tierce"}, nullptr, ":0", true},
      {"an empty choice is no choice", {"tierce"}, "", ":0", true},
      {"no X display", {"tierce"}, nullptr, nullptr, false},
      {"an empty X display", {"tierce"}, nullptr, "", false},
      {"chosen in the environment", {"tierce"}, "wayland", ":0", false},
      {"chosen on the command line", {"tierce", "-platform", "wayland"}, nullptr, ":0", false},
      {"with two dashes", {"tierce", "--platform", "wayland"}, nullptr, ":0", false},
      {"another argument", {"tierce", "-reverse"}, nullptr, ":0", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ShouldPreferX11(int(c.argv.size()), c.argv.data(), c.platformVariable, c.display),
              c.x11);
  }
}

}  // namespace
