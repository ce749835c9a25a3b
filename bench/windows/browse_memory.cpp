#include "browse_memory.h"

#include "app/instances.h"
#include "app/quillox_application.h"
#include "app/tf_main.h"
#include "process_memory.h"
#include "retrieval/tf_browse.h"
#include "self_run.h"
#include "windows_session.h"

#include <QCoreApplication>
#include <cstdio>

int printBrowseMemory(int& argc, char** argv, const QString& folder) {
    quillox::app::QuilloxApplication application(argc, argv);
    WindowsSession session(application);
    const long mainWindowPeakKb = peakResidentKb();
    fMain->iBrowseBotButtonClick();
    QCoreApplication::processEvents();
    const long topLevelPeakKb = peakResidentKb();
    fBrowse->showItems(folder);
    QCoreApplication::processEvents();
    session.throwIfReported();
    std::printf("%ld %ld %ld %ld\n", mainWindowPeakKb, topLevelPeakKb, peakResidentKb(),
                residentKb());
    return 0;
}

BrowseMemory measureBrowseMemory(const QString& folder) {
    const std::vector<double> kb = numbersFromSelf({"--browse-memory", folder.toStdString()}, 4);
    return {static_cast<long>(kb[0]), static_cast<long>(kb[1]), static_cast<long>(kb[2]),
            static_cast<long>(kb[3])};
}
