#pragma once

class TApplication;

// The program's start-up in its fixed order: the splash until it is clicked, then the main
// window, then the event loop. Returns the exit status.
int RunEntry(TApplication& application);
