#pragma once

#include <functional>

// Runs the event loop until the condition holds, waking at least every few milliseconds to
// look at it, so that work the program spreads over later events is waited for as well.
// Throws std::runtime_error, naming what was awaited, after five minutes.
void processEventsUntil(const std::function<bool()>& done, const char* awaited);
