#include <gtest/gtest.h>

#include <vector>

#include "toolkit/Platform.h"

namespace {

TEST(Platform, X11IsPreferredWhereOfferedAndNoDisplayIsNamedUnlessAPlatformIsChosen) {
  using enum TPlatformStart;
  struct Case {
    const char* name;
    std::vector<const char*> argv;
    const char* platformVariable;
    const char* display;
    const char* waylandDisplay;
    TPlatformStart start;
  };
  const Case cases[] = {
      {"a Wayland session that offers XWayland", {"tierce"}, nullptr, ":0", "wayland-0", PreferX11},
      {"an empty choice is no choice", {"tierce"}, "", ":0", nullptr, PreferX11},
      {"Wayland alone", {"tierce"}, nullptr, nullptr, "wayland-0", AsChosen},
      {"an empty X display beside Wayland", {"tierce"}, nullptr, "", "wayland-0", AsChosen},
      {"no display", {"tierce"}, nullptr, nullptr, nullptr, NoDisplay},
      {"empty displays", {"tierce"}, "", "", "", NoDisplay},
      {"chosen in the environment", {"tierce"}, "wayland", ":0", nullptr, AsChosen},
      {"chosen on the command line",
       {"tierce", "-platform", "wayland"},
       nullptr,
       ":0",
       nullptr,
       AsChosen},
      {"with two dashes", {"tierce", "--platform", "wayland"}, nullptr, ":0", nullptr, AsChosen},
      {"another argument", {"tierce", "-reverse"}, nullptr, ":0", nullptr, PreferX11},
      {"no display, offscreen chosen", {"tierce"}, "offscreen", nullptr, nullptr, AsChosen},
      {"no display, chosen on the command line",
       {"tierce", "-platform", "offscreen"},
       nullptr,
       nullptr,
       nullptr,
       AsChosen},
      {"no display, another argument",
       {"tierce", "-reverse"},
       nullptr,
       nullptr,
       nullptr,
       NoDisplay},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChoosePlatformStart(int(c.argv.size()), c.argv.data(), c.platformVariable, c.display,
                                  c.waylandDisplay),
              c.start);
  }
}

}  // namespace
