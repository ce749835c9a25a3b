#pragma once

#include "store/tdm_data.h"

// The data module opened on the generated store for one run of a benchmark.
struct EngineSession {
    EngineSession() { data.DataModuleCreate(); }
    ~EngineSession() { data.DataModuleDestroy(); }
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    quillox::store::TdmData data;
};
