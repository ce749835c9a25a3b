#pragma once

#include <QDate>
#include <cstdint>
#include <string>
#include <vector>

// The content of the generated store, the same on every run: a vocabulary of upper-case words
// used with a skewed frequency (a few words on many documents, most on few), folders in a tree,
// and documents spread over some of the folders and over fifteen years.

// The first and the last day that documents are dated.
QDate firstDocumentDate();
QDate lastDocumentDate();

struct FolderRow {
    std::int64_t id = 0;
    std::string name;
    std::string parent;
    std::int64_t picture = -1;
};

struct DocumentRow {
    std::int64_t id = 0;
    std::string name;
    std::string tags;
    std::string description; // empty: no value
    std::string path;
    std::string date; // yyyy-mm-dd
    std::string folder;
};

class StoreRows {
public:
    StoreRows(int words, int folders, int foldersWithDocuments);

    // Most frequently used first.
    const std::vector<std::string>& vocabulary() const { return vocabulary_; }
    const std::vector<FolderRow>& folders() const { return folders_; }
    const std::vector<std::string>& documentFolders() const { return documentFolders_; }

    // The documents in ID order, made one at a time so that they need no memory.
    DocumentRow nextDocument();

private:
    std::uint64_t random();
    int below(int bound);
    const std::string& tagWord();

    std::uint64_t state_ = 0x5175696c6c6f78; // fixed seed
    std::vector<std::string> vocabulary_;
    std::vector<double> tagWeights_; // cumulative, by rank
    std::vector<FolderRow> folders_;
    std::vector<std::string> documentFolders_;
    std::int64_t documentId_ = 0;
};
