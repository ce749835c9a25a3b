#pragma once

#include "big_folder.h"
#include "browse_memory.h"
#include "browse_timing.h"
#include "database_work.h"
#include "search_first_show.h"
#include "search_timing.h"
#include "startup_timing.h"

struct WindowsFigures {
    int documents = 0;
    BigFolder folder;
    SearchChoices searches;
    BrowseFigures browseTimes;
    SearchFigures searchTimes;
    SearchFirstShow searchFirstShow;
    StartupFigures startup;
    BrowseMemory memory;
    long allWindowsPeakKb = 0;
    DatabaseFigures filing;
};

// Each window's figure against its baseline with the ratio and, where it has one, its target;
// then the figures that are only reported.
void printWindowsSummary(const WindowsFigures& figures);
