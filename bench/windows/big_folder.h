#pragma once

#include <QString>

// The folder the browse window is timed on: a top-level folder with 300 subfolders and 5,000
// documents.
struct BigFolder {
    QString name;
    QString firstSubfolder; // empty, a place to browse from
    int subfolders = 0;
    int documents = 0;
};

// Adds the folder and its subfolders to the store's Folders table, after the generated ones,
// and moves evenly spaced documents into it (every twentieth of 100,000), so that the store
// keeps its number of documents and the folder's documents lie spread over the whole table.
BigFolder addBigFolder(const QString& engineFile, int storeDocuments);
