#include "search_first_show.h"

#include "app/instances.h"
#include "app/quillox_application.h"
#include "app/tf_main.h"
#include "process_memory.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_search.h"
#include "self_run.h"
#include "shown_and_free.h"
#include "timing.h"
#include "windows_session.h"

#include <cstdio>

int printSearchFirstShow(int& argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    WindowsSession session(application);
    msUntilShownAndFree(*fBrowse, [] { fMain->iBrowseBotButtonClick(); });
    const long beforeKb = residentKb();
    const double ms = msUntilShownAndFree(*fSearch, [] { fBrowse->iSearchButtonClick(); });
    const long afterKb = residentKb();
    session.throwIfReported();
    std::printf("%.3f %ld %ld\n", ms, beforeKb, afterKb);
    return 0;
}

SearchFirstShow measureSearchFirstShow(int runs) {
    std::vector<double> ms, beforeKb, afterKb, growthKb;
    for (int run = 0; run < runs; ++run) {
        const std::vector<double> figures = numbersFromSelf({"--search-first-show"}, 3);
        ms.push_back(figures[0]);
        beforeKb.push_back(figures[1]);
        afterKb.push_back(figures[2]);
        growthKb.push_back(figures[2] - figures[1]);
    }
    return {runs, median(ms), static_cast<long>(median(beforeKb)),
            static_cast<long>(median(afterKb)), static_cast<long>(median(growthKb))};
}
