// Engine operations with no plain-SQLite counterpart, reported for their time alone.

#include "bench_settings.h"
#include "engine_session.h"
#include "store/misc_ops.h"

#include <memory>

namespace {

using quillox::store::TdmData;

// The browse window's top level: only the folders whose parent is "-", then every folder again.
void BM_FilterOnOff(benchmark::State& state) {
    EngineSession session;
    quillox::db::TDbTable& folders = session.data.tFolders;
    QString parent;
    for (auto _ : state) {
        folders.SetFilter("Parent = \"-\"");
        folders.SetFiltered(true);
        parent = folders.FieldByName("Parent").AsString();
        folders.SetFiltered(false);
    }
    state.counters["top_level_first_row"] = parent == "-" ? 1 : 0;
}

void BM_NextId(benchmark::State& state) {
    EngineSession session;
    int id = 0;
    for (auto _ : state)
        id = quillox::store::nextId(session.data.tDocuments);
    state.counters["next_id"] = id;
}

// Start-up's share: opening the file, the three tables and the three queries.
void BM_DataModuleCreate(benchmark::State& state) {
    for (auto _ : state) {
        auto data = std::make_unique<TdmData>();
        data->DataModuleCreate();
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
}

// The same after a run that did not end cleanly: the whole file is read by the integrity check
// first.
void BM_DataModuleCreateAfterUncleanEnd(benchmark::State& state) {
    for (auto _ : state) {
        auto data = std::make_unique<TdmData>();
        data->DataModuleCreate(quillox::store::StartKind::AfterUncleanEnd);
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FilterOnOff)->Apply(repeated);
BENCHMARK(BM_NextId)->Apply(repeated);
BENCHMARK(BM_DataModuleCreate)->Apply(repeatedWallClock);
BENCHMARK(BM_DataModuleCreateAfterUncleanEnd)->Apply(repeatedWallClock);
