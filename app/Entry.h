#pragma once

class TApplication;
class TMain;

// The game window, once the splash has been clicked.
extern TMain* Main;

// The program's start-up in its fixed order: the splash until it is clicked, then the main
// window, then the event loop. Returns the exit status.
int RunEntry(TApplication& application);
