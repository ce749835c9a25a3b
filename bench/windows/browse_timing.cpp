#include "browse_timing.h"

#include "alternating_pair.h"
#include "app/instances.h"
#include "app/tf_main.h"
#include "engine_read.h"
#include "retrieval/operations/browse_statements.h"
#include "retrieval/tf_browse.h"
#include "shown_and_free.h"
#include "widgets/dataset_grid.h"
#include "widgets/tile_flow_panel.h"
#include "window_controls.h"
#include "windows_session.h"

#include <QCoreApplication>

namespace {

// Every showing of the browse window starts at the top level; its back button leads to the
// main window again.
double medianTopLevelMs(int repetitions) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        if (i > 0)
            msUntilShownAndFree(*fMain, [] { fBrowse->iBackButtonClick(); });
        ms.push_back(msUntilShownAndFree(*fBrowse, [] { fMain->iBrowseBotButtonClick(); }));
    }
    return median(ms);
}

quillox::widgets::TileFlowPanel& tilePanel() {
    return *control<quillox::widgets::TileFlowPanel>(fBrowse, "FlowPanel1");
}

} // namespace

BrowseFigures compareBrowse(const WindowsSession& session, const BigFolder& folder,
                            int repetitions) {
    using quillox::retrieval::folderDocumentsStatement;
    BrowseFigures figures;
    figures.repetitions = repetitions;
    figures.topLevelMs = medianTopLevelMs(repetitions);
    figures.topLevelTiles = static_cast<int>(tilePanel().TileCount());
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
            figures.engineRows = openAndRead(folderDocumentsStatement(folder.name),
                                             {"Document_Name", "Description", "InputDate"});
        });
    // A baseline's preparation may have been the last: the window is shown on the folder again.
    fBrowse->showItems(folder.name);
    QCoreApplication::processEvents();
    session.throwIfReported();

    figures.windowMs = medians.actionMs;
    figures.engineMs = medians.baselineMs;
    figures.tiles = static_cast<int>(tilePanel().TileCount());
    figures.rows = control<quillox::widgets::DatasetGrid>(fBrowse, "dbgFiles")->rowCount();
    return figures;
}
