#pragma once

#include "bench_store.h"

// Generates the store in a folder: the data module creates main.abs with its own schema, then
// SQLite fills it in one transaction (the documents, 10,000 folders, 20,000 terms); the
// baseline file gets the same Documents rows in a plain table. Points HOME at the folder. The
// store of a larger number of documents has the same folders, terms and distributions.
BenchStore generateStore(const QString& folder, int documents);
