#pragma once

#include <functional>

// Runs an event handler; a toolkit error it raises goes to the application's error dialog instead
// of through the event loop. Controls need only this, not the application and its hints.
void RunGuarded(const std::function<void()>& handler);
