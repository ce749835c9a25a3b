#pragma once

#include "bench_store.h"

// The engine's time over plain SQLite's that the database work should stay within.
constexpr double databaseWorkTarget = 2;

struct DatabaseFigures {
    int repetitions = 0;
    int words = 0;
    int newWords = 0;
    // Medians in milliseconds.
    double engineMs = 0;
    double plainMs = 0;
    double addSearchTermsMs = 0; // the engine's parts
    double nextIdMs = 0;
    double postMs = 0;
    double knownWordsMs = 0; // addSearchTerms again on the same line: the passes without posts
};

// The database work of one filing without the copy, on the generated store and on a plain
// SQLite copy of it made in the folder: the vocabulary update, the new ID and the Documents
// row. The two sides alternate; each filing brings words of its own among known ones.
DatabaseFigures compareDatabaseWork(const BenchStore& store, const QString& folder,
                                    int repetitions);
