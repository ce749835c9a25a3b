#pragma once

#include "care/document_rows.h"
#include "care/folder_faults.h"
#include "care/store_files.h"
#include "db/content_fingerprints.h"

#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

namespace quillox::db {
class SqliteConnection;
}

namespace quillox::care {

class CheckReport;

struct CopyFindings {
    // The paths of the hidden files of interrupted filings in the store folder.
    QStringList unfinishedCopies;
    // The paths of links and other entries that are no ordinary file but have such a hidden
    // name: no filing makes them, so they are left to the user.
    QStringList namedLikeUnfinishedCopies;
};

// Compares the Documents rows with the files of the store folder (marking the files that rows
// name): copies missing, unreadable,
// outside the folder or changed since filing, documents in a folder that is not among the
// folders (when they are known), files that no row names, and the kept copies of deleted
// documents apart. A copy whose size and time are those of its fingerprint is taken to be
// unchanged, unless told to read every copy: only reading tells a copy changed in place under
// its old size and time. A copy without a fingerprint, or whose size or time changed while its
// bytes did not, gets its fingerprint recorded, unless the file can only be read. Throws
// DbError.
CopyFindings reportCopies(db::SqliteConnection& connection, const QString& storeFolder,
                          const std::vector<DocumentRow>& documents,
                          const db::ContentFingerprints& fingerprints, StoreFiles& files,
                          const std::vector<FolderRow>& folders, bool foldersKnown,
                          bool readEveryCopy, CheckReport& report);

} // namespace quillox::care
