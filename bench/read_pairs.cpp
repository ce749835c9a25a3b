// The statements of the search and browse windows and a full pass over Documents, each timed
// on the engine and on plain SQLite reading the same rows.

#include "bench_settings.h"
#include "bench_store.h"
#include "engine_session.h"
#include "plain_sqlite.h"
#include "row_readers.h"

namespace {

using quillox::db::TDbQuery;

QString engineSearchStatement() {
    const QString* words = benchStore().searchWords;
    return "SELECT Document_Name, Description, Folder FROM Documents WHERE ((Tag_Words  LIKE '%" +
           words[0] + "%')OR (Tag_Words  LIKE '%" + words[1] +
           "%'))AND InputDate>='2014-01-01' AND InputDate<='2014-06-30'";
}

std::string plainSearchStatement() {
    const QString* words = benchStore().searchWords;
    return ("SELECT Document_Name, Description, Folder FROM Documents WHERE (Tag_Words GLOB '*" +
            words[0] + "*' OR Tag_Words GLOB '*" + words[1] +
            "*') AND InputDate >= '2014-01-01' AND InputDate <= '2014-06-30'")
        .toStdString();
}

QString browseStatement() {
    return "SELECT * FROM Documents WHERE Folder = '" + benchStore().browseFolder + "';";
}

// As the windows do it: close, replace the statement, open, read to the end.
void runEngineQuery(benchmark::State& state, TDbQuery& query, const QString& statement) {
    std::int64_t rows = 0;
    for (auto _ : state) {
        query.Close();
        query.SQL().Clear();
        query.SQL().Add(statement);
        query.Open();
        rows = readEngineRows(query);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Prepared afresh each time, as the engine compiles its statement at every open.
void runPlainQuery(benchmark::State& state, const std::string& statement) {
    PlainDb db(benchStore().plainFile);
    std::int64_t rows = 0;
    for (auto _ : state) {
        PlainStatement query(db, statement);
        rows = readPlainRows(query);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_SearchEngine(benchmark::State& state) {
    EngineSession session;
    runEngineQuery(state, session.data.qQuery, engineSearchStatement());
}

void BM_SearchPlain(benchmark::State& state) {
    runPlainQuery(state, plainSearchStatement());
}

void BM_BrowseEngine(benchmark::State& state) {
    EngineSession session;
    runEngineQuery(state, session.data.qQuery3, browseStatement());
}

void BM_BrowsePlain(benchmark::State& state) {
    runPlainQuery(state, browseStatement().toStdString());
}

void BM_FullPassEngine(benchmark::State& state) {
    EngineSession session;
    std::int64_t rows = 0;
    for (auto _ : state)
        rows = readEngineRows(session.data.tDocuments);
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_FullPassPlain(benchmark::State& state) {
    runPlainQuery(state, "SELECT * FROM Documents");
}

} // namespace

BENCHMARK(BM_SearchEngine)->Apply(repeated);
BENCHMARK(BM_SearchPlain)->Apply(repeated);
BENCHMARK(BM_BrowseEngine)->Apply(repeated);
BENCHMARK(BM_BrowsePlain)->Apply(repeated);
BENCHMARK(BM_FullPassEngine)->Apply(repeated);
BENCHMARK(BM_FullPassPlain)->Apply(repeated);
