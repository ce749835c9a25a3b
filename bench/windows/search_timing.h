#pragma once

#include "grid_scrolling.h"
#include "search_choice.h"

class WindowsSession;

struct SearchFigures {
    int repetitions = 0;
    double firstShowMs = 0; // the search window's first show, which fills its word list and grid
    double windowMs = 0;    // the search until the grids are filled and laid out, median
    double engineMs = 0;    // the documents statement opened and read alone, median
    int rows = 0;           // what the window's documents grid held
    int engineRows = 0;
    int folderRows = 0; // and its folders grid
    ScrollFigures scroll;
};

// The search window's search, from the search button's handler until the grids hold their
// rows and are laid out, against the engine opening the window's documents statement and
// reading the shown columns of every row; then the documents grid scrolled through. Shows
// the search window from the browse window.
SearchFigures compareSearch(const WindowsSession& session, const SearchChoice& choice,
                            int repetitions);
