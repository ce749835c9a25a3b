#pragma once

#include <QString>

// The mode in which this program runs itself for measureAllWindowsPeakKb: the windows made as
// at start-up and the main window shown; then the browse window on the top level and on the
// folder, and the search window, as the user reaches them; then each of the other windows
// shown and hidden again. Prints the peak resident KiB (VmHWM) at the end.
int printAllWindowsMemory(int& argc, char** argv, const QString& folder);

// The program's peak resident memory with every window shown once, in a fresh process; throws
// when the run fails.
long measureAllWindowsPeakKb(const QString& folder);
