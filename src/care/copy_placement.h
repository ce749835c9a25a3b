#pragma once

#include "care/store_subfolders.h"
#include "store/relocate_copies.h"

#include <QList>
#include <optional>

#include <QString>
#include <QStringList>
#include <vector>

namespace quillox::care {

struct CheckedBackup;
class MadeFolders;

struct PlacedCopies {
    // Each stored copy of the backup: its path below the backup's store folder and below the
    // store folder now, and what it is there.
    std::vector<store::RelocatedCopy> copies;
    qsizetype copied = 0;
    qsizetype reused = 0; // found with the same bytes under the same name
    QStringList renamed;  // "NAME as NEW NAME"
};

// Puts the stored copies of a checked backup into the store folder, never replacing a file: a
// name taken by a file of the same bytes keeps that file, a name taken by anything else makes
// the copy take a free one, with " (restored)" before the extension, then " (restored 2)" and
// on. Each copy is complete and on the disk once it has its name. Every folder below the store
// folder is reached without following a link (see StoreSubfolders). Going removes the copies
// it put there and the folders it made below the store folder, unless they are kept.
class CopyPlacement {
public:
    CopyPlacement() = default;
    ~CopyPlacement();
    CopyPlacement(const CopyPlacement&) = delete;
    CopyPlacement& operator=(const CopyPlacement&) = delete;

    // Puts the copies into the store folder (absolute, without a final "/"), making it and the
    // folders below it where missing. Throws UserError.
    PlacedCopies place(const CheckedBackup& backup, const QString& storeFolder,
                       MadeFolders& folders);
    // Keeps the copies put into the store folder.
    void keep() { kept_ = true; }

private:
    std::optional<StoreSubfolders> folders_;
    QList<QByteArray> placed_; // below the store folder
    QList<QByteArray> made_;   // the folders made below it, in order
    bool kept_ = false;
};

} // namespace quillox::care
