// Watches the X screen from outside a program, so that start-up is timed on the real binary: how
// long until a named window is viewable and shows a given colour at a given point.
//   FrameProbe colour NAME X Y                 prints the colour now at window point (X, Y)
//   FrameProbe launch NAME X Y RRGGBB -- CMD   starts CMD, prints "<ms> <pid>" once it shows
//   FrameProbe click NAME X Y RRGGBB TARGET TX TY
//                                              presses the first button at (TX, TY) of window
//                                              TARGET and releases it; prints "<ms>" from the
//                                              release until NAME shows the colour
//   FrameProbe yellow NAME X Y0 STEP COUNT      waits until COUNT cells below (X, Y0), STEP apart,
//                                              all hold yellow text; prints "<ms>"
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern char** environ;

namespace {

using TClock = std::chrono::steady_clock;

Window FindByName(Display* display, Window parent, const char* name) {
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = count; i-- > 0 && !found;) {
    char* title = nullptr;
    if (XFetchName(display, children[i], &title) && title) {
      XWindowAttributes attributes;
      if (std::strcmp(title, name) == 0 &&
          XGetWindowAttributes(display, children[i], &attributes) &&
          attributes.map_state == IsViewable)
        found = children[i];
      XFree(title);
    }
    if (!found) found = FindByName(display, children[i], name);
  }
  if (children) XFree(children);
  return found;
}

// The colour on screen at window point (x, y), or -1 when the window is not there.
long ColourAt(Display* display, const char* name, int x, int y) {
  const Window window = FindByName(display, DefaultRootWindow(display), name);
  if (!window) return -1;
  int rootX = 0, rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
  XImage* image =
      XGetImage(display, DefaultRootWindow(display), rootX, rootY, 1, 1, AllPlanes, ZPixmap);
  if (!image) return -1;
  const long colour = long(XGetPixel(image, 0, 0) & 0xFFFFFF);
  XDestroyImage(image);
  return colour;
}

bool HasYellow(Display* display, Window window, int x, int y) {
  int rootX = 0, rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
  XImage* image =
      XGetImage(display, DefaultRootWindow(display), rootX, rootY, 12, 14, AllPlanes, ZPixmap);
  if (!image) return false;
  bool yellow = false;
  for (int j = 0; j < 14 && !yellow; ++j)
    for (int i = 0; i < 12 && !yellow; ++i) {
      const unsigned long p = XGetPixel(image, i, j);
      yellow = ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 200 && (p & 0xFF) < 90;
    }
  XDestroyImage(image);
  return yellow;
}

double MsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// Polls every millisecond; gives up after 30 s.
bool WaitForColour(Display* display, const char* name, int x, int y, long colour) {
  const auto start = TClock::now();
  while (MsSince(start) < 30000) {
    if (ColourAt(display, name, x, y) == colour) return true;
    usleep(1000);
  }
  return false;
}

// A real button press and release through the XTest extension, as a mouse gives them: the
// program sees no synthetic event, and the clock starts at the release itself, not at a tool's
// start or after its pause.
bool Click(Display* display, const char* target, int x, int y, TClock::time_point& released) {
  using TFakeButton = int (*)(Display*, unsigned, Bool, unsigned long);
  void* library = dlopen("libXtst.so.6", RTLD_NOW);
  const auto fakeButton =
      library ? reinterpret_cast<TFakeButton>(dlsym(library, "XTestFakeButtonEvent")) : nullptr;
  const Window window = FindByName(display, DefaultRootWindow(display), target);
  if (!fakeButton || !window) return false;
  XWarpPointer(display, None, window, 0, 0, 0, 0, x, y);
  XSync(display, False);
  usleep(50000);
  fakeButton(display, 1, True, CurrentTime);
  XSync(display, False);
  usleep(50000);
  released = TClock::now();
  fakeButton(display, 1, False, CurrentTime);
  XFlush(display);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: see the comment at the top of FrameProbe.cpp\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "FrameProbe: no X display\n");
    return 2;
  }
  // Windows come and go while the tree is walked (a program closing its window as another
  // opens); a request on one that just went is no reason to stop watching.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  const std::string mode = argv[1];
  const char* name = argv[2];
  const int x = std::atoi(argv[3]);
  const int y = std::atoi(argv[4]);
  if (mode == "colour") {
    const long colour = ColourAt(display, name, x, y);
    if (colour < 0) return 1;
    std::printf("%06lx\n", colour);
    return 0;
  }
  if (mode == "yellow" && argc == 8) {
    const int step = std::atoi(argv[5]);
    const int count = std::atoi(argv[6]);
    const auto start = TClock::now();
    const double limit = std::atof(argv[7]);
    while (MsSince(start) < limit) {
      const Window window = FindByName(display, DefaultRootWindow(display), name);
      int found = 0;
      for (int i = 0; window && i < count; ++i)
        found += HasYellow(display, window, x, y + i * step);
      if (found == count) {
        std::printf("%.1f\n", MsSince(start));
        return 0;
      }
      usleep(20000);
    }
    return 1;
  }
  if (mode == "click" && argc == 9) {
    const long colour = std::strtol(argv[5], nullptr, 16);
    TClock::time_point released;
    if (!Click(display, argv[6], std::atoi(argv[7]), std::atoi(argv[8]), released)) return 2;
    if (!WaitForColour(display, name, x, y, colour)) return 1;
    std::printf("%.1f\n", MsSince(released));
    return 0;
  }
  if (mode == "launch" && argc >= 8 && std::strcmp(argv[6], "--") == 0) {
    const long colour = std::strtol(argv[5], nullptr, 16);
    const auto start = TClock::now();
    // The program outlives the probe: it must not hold the probe's output open.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[7], &actions, nullptr, argv + 7, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return 2;
    if (!WaitForColour(display, name, x, y, colour)) return 1;
    std::printf("%.1f %d\n", MsSince(start), int(pid));
    return 0;
  }
  std::fprintf(stderr, "FrameProbe: bad arguments\n");
  return 2;
}
