#pragma once

#include <string>

struct FirstPaint {
    double seconds = 0;      // from just before the program was started
    long peakKb = 0;         // the program's peak resident memory by then
    std::string windowClass; // the class of the window painted first
};

// Runs a program with the first paint report library preloaded and with this process's
// environment, until it ends after its first window is painted. Throws std::runtime_error
// when the program cannot be started, fails, or ends without that report.
FirstPaint runUntilFirstPaint(const std::string& program, const std::string& reportLibrary);
