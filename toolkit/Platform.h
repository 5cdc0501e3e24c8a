#pragma once

// Where the user chose no windowing platform (no QT_QPA_PLATFORM, no -platform argument) and an
// X display is offered, asks Qt for X11: there windows are shaped, placed and kept on top, and a
// Wayland session offers its X display through XWayland. Call before Qt starts.
void PreferX11WhenOffered(int argc, const char* const* argv);

// The decision alone, on the given arguments and environment values (null when unset).
bool ShouldPreferX11(int argc, const char* const* argv, const char* platformVariable,
                     const char* display);
