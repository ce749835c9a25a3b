#include "search_timing.h"

#include "alternating_pair.h"
#include "app/instances.h"
#include "engine_read.h"
#include "retrieval/operations/search_statements.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_search.h"
#include "store/tdm_data.h"
#include "widgets/dataset_grid.h"
#include "window_controls.h"
#include "windows_session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>

SearchFigures compareSearch(const WindowsSession& session, const SearchChoice& choice,
                            int repetitions) {
    SearchFigures figures;
    figures.repetitions = repetitions;
    figures.firstShowMs = secondsOf([] {
                              fBrowse->iSearchButtonClick();
                              QCoreApplication::processEvents();
                          }) *
                          1e3;
    control<QComboBox>(fSearch, "cbSearchTerm")->setEditText(choice.words.join(' '));
    control<QDateEdit>(fSearch, "dtpFrom")->setDate(choice.from);
    control<QDateEdit>(fSearch, "dtpTo")->setDate(choice.to);
    const QString statement =
        quillox::retrieval::documentSearchStatement(choice.words, choice.from, choice.to);

    // The grid first holds every document; the timed searches replace a search's result, as
    // a user's next search does.
    fSearch->iSearchButtonClick();
    QCoreApplication::processEvents();

    const PairMedians medians = alternatingMedians(
        repetitions, [] {},
        [] {
            fSearch->iSearchButtonClick();
            QCoreApplication::processEvents();
        },
        [&] {
            figures.engineRows =
                openAndRead(dmData->qQuery, statement, {"Document_Name", "Description", "Folder"});
        });
    // The last search fills the grids again for the scrolling, after the baseline's reading.
    fSearch->iSearchButtonClick();
    QCoreApplication::processEvents();
    session.throwIfReported();

    figures.windowMs = medians.actionMs;
    figures.engineMs = medians.baselineMs;
    figures.rows = control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles")->rowCount();
    figures.folderRows = control<quillox::widgets::DatasetGrid>(fSearch, "dbgFolders")->rowCount();
    figures.scroll = scrollThrough(*control<quillox::widgets::DatasetGrid>(fSearch, "dbgFiles"));
    return figures;
}
