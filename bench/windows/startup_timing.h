#pragma once

#include <string>

struct StartupFigures {
    int repetitions = 0;
    double programMs = 0; // the program, from its start until its main window is painted
    double plainMs = 0;   // the plain window program the same way
    long programPeakKb = 0;
    long plainPeakKb = 0;
};

// Starts the program and the plain window program in turn, on the store that HOME points at,
// each with the first paint report preloaded; alternating order, medians. Throws when a
// program paints another window first than the one expected of it.
StartupFigures compareStartup(const std::string& program, const std::string& plainWindow,
                              const std::string& reportLibrary, int repetitions);
