#pragma once

// The search window's first showing, which happens once a run: from the browse window's search
// button until the search window is painted and the program is free, and the growth of the
// process's resident memory across it. Each run is a fresh process.
struct SearchFirstShow {
    int runs = 0;
    // Medians.
    double ms = 0;
    long residentBeforeKb = 0;
    long residentAfterKb = 0;
    long growthKb = 0;
};

// The mode in which this program runs itself for measureSearchFirstShow: the windows made as
// at start-up, the browse window shown from the main window, then the search window from the
// browse window; prints the milliseconds and the resident KiB before and after.
int printSearchFirstShow(int& argc, char** argv);

SearchFirstShow measureSearchFirstShow(int runs);
