#pragma once

#include <functional>

class QWidget;

// Runs the action that shows the window, then the event loop until the window has been
// painted and the loop has come back to a timer set after that paint: until the window is on
// the screen and the program is free to answer the user. Returns the milliseconds taken.
double msUntilShownAndFree(QWidget& window, const std::function<void()>& show);
