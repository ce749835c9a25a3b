#include "all_windows_memory.h"

#include "app/instances.h"
#include "app/quillox_application.h"
#include "app/tf_about.h"
#include "app/tf_main.h"
#include "filing/tf_new_dir.h"
#include "filing/tf_new_doc.h"
#include "process_memory.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_move_doc.h"
#include "retrieval/tf_search.h"
#include "scan/tf_scan.h"
#include "self_run.h"
#include "shown_and_free.h"
#include "windows_session.h"

#include <cstdio>

int printAllWindowsMemory(int& argc, char** argv, const QString& folder) {
    quillox::app::QuilloxApplication application(argc, argv);
    WindowsSession session(application);
    msUntilShownAndFree(*fBrowse, [] { fMain->iBrowseBotButtonClick(); });
    msUntilShownAndFree(*fBrowse, [&] { fBrowse->showItems(folder); });
    msUntilShownAndFree(*fSearch, [] { fBrowse->iSearchButtonClick(); });
    msUntilShownAndFree(*fBrowse, [] { fSearch->iCloseButtonClick(); });
    // The other windows need a file, a scanner or a document to reach through the program's
    // flow; shown directly, each builds what its showing builds.
    const QList<QWidget*> others{fNewDoc, fNewDir, fMoveDoc, fScan, fAbout};
    for (QWidget* window : others) {
        msUntilShownAndFree(*window, [window] { window->show(); });
        window->hide();
    }
    session.throwIfReported();
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

long measureAllWindowsPeakKb(const QString& folder) {
    return static_cast<long>(
        numbersFromSelf({"--all-windows-memory", folder.toStdString()}, 1).front());
}
