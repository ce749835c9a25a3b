#pragma once

#include "big_folder.h"

class WindowsSession;

struct BrowseFigures {
    double topLevelMs = 0; // shown from the main window on the top level until usable, median
    int topLevelTiles = 0;
    int repetitions = 0;
    double windowMs = 0; // showItems and the layout after it, median
    double engineMs = 0; // the same statement opened and read alone, median
    int tiles = 0;       // what the window showed
    int rows = 0;
    int engineRows = 0;
};

// The browse window shown from the main window, on the top level, until it is painted and the
// program is free, again after each return to the main window; then showItems on the folder,
// from its first subfolder, until the tiles and the grid are built and laid out, against the
// engine opening the window's statement and reading the shown columns of every row. Leaves the
// browse window shown on the folder.
BrowseFigures compareBrowse(const WindowsSession& session, const BigFolder& folder,
                            int repetitions);
