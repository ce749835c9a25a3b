#include "browse_memory.h"

#include "app/instances.h"
#include "app/quillox_application.h"
#include "app/tf_main.h"
#include "process_memory.h"
#include "retrieval/tf_browse.h"
#include "windows_session.h"

#include <QCoreApplication>
#include <cstdio>
#include <filesystem>

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
    BrowseMemory result;
    const std::string command = "'" + std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --browse-memory '" + folder.toStdString() + "'";
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return result;
    result.measured =
        std::fscanf(child, "%ld %ld %ld %ld", &result.mainWindowPeakKb, &result.topLevelPeakKb,
                    &result.folderPeakKb, &result.folderKb) == 4;
    result.measured = pclose(child) == 0 && result.measured;
    return result;
}
