#include "browse_timing.h"

#include "alternating_pair.h"
#include "app/instances.h"
#include "app/tf_main.h"
#include "engine_read.h"
#include "retrieval/operations/browse_statements.h"
#include "retrieval/tf_browse.h"
#include "store/tdm_data.h"
#include "widgets/dataset_grid.h"
#include "window_controls.h"
#include "windows_session.h"

#include <QCoreApplication>

BrowseFigures compareBrowse(const WindowsSession& session, const BigFolder& folder,
                            int repetitions) {
    using quillox::retrieval::folderDocumentsStatement;
    BrowseFigures figures;
    figures.topLevelMs = secondsOf([] {
                             fMain->iBrowseBotButtonClick();
                             QCoreApplication::processEvents();
                         }) *
                         1e3;
    figures.topLevelTiles = static_cast<int>(fBrowse->tileList().size());
    figures.repetitions = repetitions;
    const PairMedians medians = alternatingMedians(
        repetitions,
        [&] {
            fBrowse->showItems(folder.firstSubfolder);
            QCoreApplication::processEvents();
        },
        [&] {
            fBrowse->showItems(folder.name);
            QCoreApplication::processEvents();
        },
        [&] {
            figures.engineRows = openAndRead(dmData->qQuery3, folderDocumentsStatement(folder.name),
                                             {"Document_Name", "Description", "InputDate"});
        });
    // A baseline's preparation may have been the last: the window is shown on the folder again.
    fBrowse->showItems(folder.name);
    QCoreApplication::processEvents();
    session.throwIfReported();

    figures.windowMs = medians.actionMs;
    figures.engineMs = medians.baselineMs;
    figures.tiles = static_cast<int>(fBrowse->tileList().size());
    figures.rows = control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->rowCount();
    return figures;
}
