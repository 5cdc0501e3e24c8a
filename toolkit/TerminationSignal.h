#pragma once

#include <functional>

// Runs `handler` on the event loop when the process is asked to end (SIGTERM, as at the end of a
// desktop session, or SIGINT), instead of letting the signal kill it mid-frame.
void OnTerminationSignal(std::function<void()> handler);

// True from the moment such a signal arrives until its handler runs; lets a wait that holds the
// event loop end early.
bool TerminationRequested();
