#pragma once

// How Qt is to be started, from the arguments and the environment. Call before Qt starts.
enum class TPlatformStart {
  // The user chose a platform (QT_QPA_PLATFORM, -platform), or Qt's own choice is right.
  AsChosen,
  // No platform chosen and an X display offered: X11, where windows are shaped, placed and kept
  // on top; a Wayland session offers its X display through XWayland.
  PreferX11,
  // No platform chosen and no display offered, where Qt would abort for want of one.
  NoDisplay,
};

// The decision alone, on the given arguments and environment values (null when unset).
TPlatformStart ChoosePlatformStart(int argc, const char* const* argv, const char* platformVariable,
                                   const char* display, const char* waylandDisplay);

// Asks Qt for X11 where PreferX11 is the decision.
void PreferX11WhenOffered(int argc, const char* const* argv);

// False, after one line on stderr naming DISPLAY and WAYLAND_DISPLAY, where the decision is
// NoDisplay: a clear word instead of Qt's abort.
bool DisplayOffered(int argc, const char* const* argv);
