#pragma once

#include "grid_scrolling.h"
#include "search_choice.h"

class WindowsSession;

// A search timed against a baseline answering the same statement; medians.
struct SearchPair {
    double windowMs = 0;   // from the search button's handler until the first screen of rows
    double baselineMs = 0; // the documents statement answered to its end
    int rows = 0;          // what the window's documents grid held
    int baselineRows = 0;
};

struct SearchFigures {
    int repetitions = 0;
    SearchPair tenYears;  // against the engine's query alone
    SearchPair sixMonths; // against plain SQLite on the baseline file
    double oneWordMs = 0; // median
    int oneWordRows = 0;
    int folderRows = 0;   // the folders grid after a search for the two words
    ScrollFigures scroll; // the documents grid holding every document
};

// The search window shown from the browse window, then its searches, each from the search
// button's handler until the documents grid holds the first screen of the result's rows: the
// two words over ten years against the engine opening the window's documents statement and
// reading the shown columns of every row; over six months against plain SQLite answering the
// statement on the baseline file; one word over every date alone. Then the documents grid
// filled with every document and scrolled through.
SearchFigures compareSearch(const WindowsSession& session, const SearchChoices& choices,
                            const QString& plainFile, int repetitions);
