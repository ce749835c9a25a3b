#pragma once

#include "big_folder.h"
#include "browse_memory.h"
#include "browse_timing.h"
#include "search_timing.h"
#include "startup_timing.h"

struct WindowsFigures {
    BigFolder folder;
    SearchChoice search;
    BrowseFigures browseTimes;
    SearchFigures searchTimes;
    StartupFigures startup;
    BrowseMemory memory;
};

// Each window's figure against its baseline with the ratio and its target, then the figures
// that are only reported.
void printWindowsSummary(const WindowsFigures& figures);
