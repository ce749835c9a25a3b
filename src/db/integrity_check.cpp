#include "db/integrity_check.h"

#include "db/db_error.h"
#include "db/journal_left.h"

#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

namespace quillox::db {
namespace {

// The database and whatever journal lies beside it, copied under one name into the folder.
QString copyWithJournal(const QString& databaseFile, const QTemporaryDir& folder) {
    const QString copy = folder.filePath("checked.abs");
    for (const QString suffix : {"", "-journal", "-wal"}) {
        const QString from = databaseFile + suffix;
        if ((suffix.isEmpty() || QFile::exists(from)) && !QFile::copy(from, copy + suffix))
            throw DbError("Cannot copy '" + from.toStdString() + "' to check it");
    }
    return copy;
}

// The integrity check's first line on an open connection; SQLite's message when it cannot run.
QString firstFinding(sqlite3* handle) {
    sqlite3_stmt* statement = nullptr;
    QString finding;
    if (sqlite3_prepare_v2(handle, "PRAGMA integrity_check", -1, &statement, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        finding =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    } else {
        finding = QString::fromUtf8(sqlite3_errmsg(handle));
    }
    sqlite3_finalize(statement);
    return finding == "ok" ? QString() : finding;
}

} // namespace

QString integrityFindings(const QString& databaseFile) {
    // Playing a journal back writes, which a reading connection cannot do.
    QTemporaryDir folder;
    const bool onCopy = journalLeftBehind(databaseFile);
    if (onCopy && !folder.isValid())
        throw DbError("Cannot make a folder to check '" + databaseFile.toStdString() + "' in");
    const QString checked = onCopy ? copyWithJournal(databaseFile, folder) : databaseFile;
    sqlite3* handle = nullptr;
    const int flags = onCopy ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    QString finding;
    if (sqlite3_open_v2(checked.toUtf8().constData(), &handle, flags, nullptr) == SQLITE_OK) {
        // A running program's write holds the file for a moment; that is no damage.
        sqlite3_busy_timeout(handle, 5000);
        // Mapped, the pages are read without a system call each, which halves the check of a
        // large store; the check's read lock keeps any writer from shrinking the file meanwhile.
        sqlite3_exec(handle, "PRAGMA mmap_size=1073741824", nullptr, nullptr, nullptr);
        finding = firstFinding(handle);
    } else
        finding = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : "out of memory");
    sqlite3_close(handle);
    return finding;
}

} // namespace quillox::db
