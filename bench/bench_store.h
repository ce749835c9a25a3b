#pragma once

#include <QString>

// The generated store that every benchmark works on.
struct BenchStore {
    int documents = 0;
    QString home;            // what HOME points at while the benchmarks run
    QString engineFile;      // the data module's main.abs
    QString plainFile;       // the baseline: the same Documents rows in a plain SQLite table
    QString engineWriteFile; // copies that the insert benchmarks add rows to
    QString plainWriteFile;
    QString plainIndexedWriteFile; // with the store's indexes, kept as plain SQLite keeps them
    QString searchWords[2];        // tag words that occur, one rarer and one more common
    QString browseFolder;          // a folder that holds documents
};

const BenchStore& benchStore();
void setBenchStore(BenchStore store);
