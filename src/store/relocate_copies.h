#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quillox::db {
class TDbDatabase;
}

namespace quillox::store {

// A stored copy put into another store folder: its path below the folder it was filed in and
// below the new one, and what it is there.
struct RelocatedCopy {
    QByteArray oldName;
    QByteArray newName;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    std::string sha256;          // 64 lowercase hexadecimal digits
};

struct Relocation {
    qsizetype rowsMoved = 0;
    // The ID and Path of each row that names none of the copies, left as it was.
    std::vector<std::pair<qint64, QString>> rowsLeft;
};

// Points every Documents row whose Path names one of the copies in the old store folder at the
// copy in the new one, and makes the fingerprint table hold the copies' fingerprints under
// their new names and no others. A copy's fingerprint keeps the document it was recorded for,
// or else takes the first row that names the copy. One transaction: on a failure nothing is
// written. Throws UserError when a new path is longer than the Path column holds, DbError when
// the tables cannot be read or written.
Relocation relocateCopies(db::TDbDatabase& database, const QString& oldStoreFolder,
                          const QString& newStoreFolder, const std::vector<RelocatedCopy>& copies);

} // namespace quillox::store
