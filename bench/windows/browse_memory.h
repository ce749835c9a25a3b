#pragma once

#include <QString>

// Resident memory of the program's windows in a fresh process, in KiB. The user reaches a
// folder through the browse window's top level, so the peak on the folder includes it.
struct BrowseMemory {
    long mainWindowPeakKb = 0; // the main window shown
    long topLevelPeakKb = 0;   // then the browse window on the top level
    long folderPeakKb = 0;     // then the browse window on the folder
    long folderKb = 0;         // resident there, at the end
};

// The mode in which this program runs itself for measureBrowseMemory: the windows made as at
// start-up, the main window shown, then the browse window, then the folder in it; prints the
// figures on one line.
int printBrowseMemory(int& argc, char** argv, const QString& folder);

// The figures in a fresh run of this program, so that what the other measurements have used
// does not hide them. Throws when the run fails.
BrowseMemory measureBrowseMemory(const QString& folder);
