#pragma once

#include <QString>
#include <cstdint>

// The store that the backup benchmark backs up: the generated store's folders and terms, and
// documents filed through fileDocument, so that every copy has its fingerprint.
struct CopiesStore {
    QString databaseFile;
    QString storeFolder; // without a final "/"
    int documents = 0;
    std::int64_t bytes = 0; // of the copies
};

// Makes the store in the folder, with about a thousand copies of sizes from 64 KiB to 2 MiB,
// the same on every run, 1 GiB in all. Points HOME at the folder's home.
CopiesStore makeCopiesStore(const QString& folder);
