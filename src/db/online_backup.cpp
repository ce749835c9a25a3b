#include "db/online_backup.h"

#include "db/db_error.h"
#include "db/filing_intents.h"
#include "db/new_file.h"
#include "db/table_schema.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace quillox::db {
namespace {

// How long a running program's write may keep the copy waiting in all.
constexpr std::chrono::seconds lockedAtMost{60};
// How long one attempt waits for the lock before it is tried again.
constexpr int busyTimeoutMs = 2000;

struct Handle {
    sqlite3* db = nullptr;
    ~Handle() { sqlite3_close(db); }
};

[[noreturn]] void failWith(const std::string& message, int code, const char* text) {
    const int number = sqliteNativeBase + code;
    throw DbError(withNativeError(message + ": " + text, number), number);
}

[[noreturn]] void fail(const std::string& message, sqlite3* handle) {
    if (handle == nullptr)
        failWith(message, SQLITE_NOMEM, sqlite3_errstr(SQLITE_NOMEM));
    failWith(message, sqlite3_extended_errcode(handle), sqlite3_errmsg(handle));
}

void open(Handle& handle, const std::string& path, int flags, const std::string& what) {
    if (sqlite3_open_v2(path.c_str(), &handle.db, flags, nullptr) != SQLITE_OK)
        fail("Cannot open " + what + " '" + path + "'", handle.db);
    sqlite3_extended_result_codes(handle.db, 1);
}

void copyPages(sqlite3* from, sqlite3* to, const std::string& source) {
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (backup == nullptr)
        fail("Cannot start the copy of '" + source + "'", to);
    const auto deadline = std::chrono::steady_clock::now() + lockedAtMost;
    int rc = SQLITE_OK;
    for (;;) {
        // All pages in one step: a copy in pieces starts again whenever the program writes
        // between two of them, and might never end while it files.
        rc = sqlite3_backup_step(backup, -1);
        const bool locked = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
        if (!locked || std::chrono::steady_clock::now() >= deadline)
            break;
        sqlite3_sleep(20);
    }
    sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE)
        return;
    if (rc == SQLITE_READONLY_ROLLBACK) {
        throw DbError("A change to '" + source +
                      "' was cut short and its journal lies beside it. Start Quillox and quit "
                      "it, so that the change is taken back, then try again");
    }
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        failWith("The database '" + source + "' stayed locked for a minute", rc,
                 sqlite3_errstr(rc));
    failWith("Cannot copy '" + source + "'", rc, sqlite3_errstr(rc));
}

} // namespace

void backUpDatabase(const QString& source, const QString& target) {
    const std::string sourcePath = QFile::encodeName(source).toStdString();
    const std::string targetPath = QFile::encodeName(target).toStdString();
    createNewFile(targetPath);
    try {
        Handle from;
        open(from, sourcePath, SQLITE_OPEN_READONLY, "the database");
        sqlite3_busy_timeout(from.db, busyTimeoutMs);
        Handle to;
        open(to, targetPath, SQLITE_OPEN_READWRITE, "the copy");
        // The caller flushes the copy with the rest of what it writes.
        if (sqlite3_exec(to.db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr) != SQLITE_OK)
            fail("Cannot set up the copy '" + targetPath + "'", to.db);
        copyPages(from.db, to.db, sourcePath);
        // The copies that filings under way are about to name are not backed up; their names,
        // put back by a restore, would have the next start remove a stored copy of that name.
        const std::string dropIntents = "DROP TABLE IF EXISTS " + quoted(filingIntentTable);
        if (sqlite3_exec(to.db, dropIntents.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail("Cannot set up the copy '" + targetPath + "'", to.db);
    } catch (...) {
        ::unlink(targetPath.c_str());
        ::unlink((targetPath + "-journal").c_str());
        throw;
    }
}

} // namespace quillox::db
