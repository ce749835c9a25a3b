#include "search_timing.h"

#include "alternating_pair.h"
#include "app/instances.h"
#include "engine_read.h"
#include "first_screen.h"
#include "plain_answer.h"
#include "plain_sqlite.h"
#include "retrieval/operations/search_statements.h"
#include "retrieval/tf_browse.h"
#include "retrieval/tf_search.h"
#include "widgets/dataset_grid.h"
#include "window_controls.h"
#include "windows_session.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>

namespace {

using quillox::widgets::DatasetGrid;

DatasetGrid& grid(const char* name) {
    return *control<DatasetGrid>(fSearch, name);
}

QString statementOf(const SearchChoice& choice) {
    return quillox::retrieval::documentSearchStatement(choice.words, choice.from, choice.to);
}

// The words and dates typed into the window, and one search run untimed, so that each timed
// search replaces the result of another, as a user's next search does.
void enter(const SearchChoice& choice, int resultRows) {
    control<QComboBox>(fSearch, "cbSearchTerm")->setEditText(choice.words.join(' '));
    control<QDateEdit>(fSearch, "dtpFrom")->setDate(choice.from);
    control<QDateEdit>(fSearch, "dtpTo")->setDate(choice.to);
    fSearch->iSearchButtonClick();
    waitForFirstScreen(grid("dbgFiles"), resultRows);
}

SearchPair pairOf(const PairMedians& medians, int baselineRows) {
    return {medians.actionMs, medians.baselineMs, grid("dbgFiles").rowCount(), baselineRows};
}

} // namespace

SearchFigures compareSearch(const WindowsSession& session, const SearchChoices& choices,
                            const QString& plainFile, int repetitions) {
    fBrowse->iSearchButtonClick();
    QCoreApplication::processEvents();
    PlainDb plain(plainFile);
    SearchFigures figures;
    figures.repetitions = repetitions;
    int resultRows = 0;
    const auto search = [&] {
        fSearch->iSearchButtonClick();
        waitForFirstScreen(grid("dbgFiles"), resultRows);
    };

    QString statement = statementOf(choices.twoWordsTenYears);
    resultRows = answerOnPlainSqlite(plain, statement);
    enter(choices.twoWordsTenYears, resultRows);
    int engineRows = 0;
    PairMedians medians = alternatingMedians(
        repetitions, [] {}, search,
        [&] {
            engineRows = openAndRead(statement, {"Document_Name", "Description", "Folder"});
        });
    figures.tenYears = pairOf(medians, engineRows);
    figures.folderRows = grid("dbgFolders").rowCount();

    statement = statementOf(choices.twoWordsSixMonths);
    resultRows = answerOnPlainSqlite(plain, statement);
    enter(choices.twoWordsSixMonths, resultRows);
    medians = alternatingMedians(
        repetitions, [] {}, search, [&] { answerOnPlainSqlite(plain, statement); });
    figures.sixMonths = pairOf(medians, resultRows);

    resultRows = answerOnPlainSqlite(plain, statementOf(choices.oneWordAllDates));
    enter(choices.oneWordAllDates, resultRows);
    std::vector<double> oneWordMs;
    for (int i = 0; i < repetitions; ++i)
        oneWordMs.push_back(secondsOf(search) * 1e3);
    figures.oneWordMs = median(oneWordMs);
    figures.oneWordRows = grid("dbgFiles").rowCount();

    resultRows = answerOnPlainSqlite(plain, statementOf(choices.allDocuments));
    enter(choices.allDocuments, resultRows);
    figures.scroll = scrollThrough(grid("dbgFiles"), resultRows);
    session.throwIfReported();
    return figures;
}
