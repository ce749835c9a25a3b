#include "db/sqlite_connection.h"

#include "db/sqlite_statement.h"

#include "db/db_error.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sqlite3.h>

namespace quillox::db {
namespace {

// Long enough for another program's statement or transaction to end, such as a quillox-db
// SELECT or backup; short enough that a user waiting for a filing is told soon.
constexpr int busyTimeoutMs = 5000;

std::string busyMessage(const std::string& path) {
    return "The database \"" + path +
           "\" is busy: another program is using it (for example quillox-db). Try again when it "
           "has finished";
}

std::string openFailure(const std::string& path, int code, const std::string& text) {
    return "Cannot open file:'" + path + "' Error code: " + std::to_string(code) +
           ". ErrorMessage: " + text;
}

} // namespace

std::string readOnlyFailure(const std::string& path) {
    return "The database file '" + path +
           "' can only be read, so nothing can be changed in it. Check the permissions of the "
           "file and of its folder";
}

SqliteConnection::SqliteConnection(const std::string& path) : path_(path) {
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const int osError = db_ ? sqlite3_system_errno(db_) : 0;
        const std::string text = osError ? std::strerror(osError) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throwEngineError(openFailure(path, osError ? osError : rc, text),
                         NativeError::CannotOpenFile);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    try {
        // The first read of the header tells a file that is not a database, or is damaged.
        // A cache of 16 MB (SQLite's own is 2 MB) holds the indexes' upper pages and a few
        // pages of rows of a store of a million documents; it grows only as it is used. A commit
        // is the removal of the journal, which only EXTRA flushes: under FULL a power cut can
        // bring the journal back, and the next start would take a committed change back.
        execute("PRAGMA synchronous=EXTRA; PRAGMA cell_size_check=ON; PRAGMA cache_size=-16384; "
                "SELECT count(*) FROM sqlite_schema;");
    } catch (const DbError&) {
        const int rc2 = sqlite3_extended_errcode(db_);
        const std::string text = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        db_ = nullptr;
        throwEngineError(openFailure(path, rc2, text), NativeError::CannotOpenFile);
    }
}

SqliteConnection::~SqliteConnection() {
    // SQLite closes a file only once its statements are finalized.
    kept_.clear();
    sqlite3_close(db_);
}

void SqliteConnection::executeKept(const std::string& sql) {
    auto found = kept_.find(sql);
    if (found == kept_.end())
        found = kept_.emplace(sql, std::make_unique<SqliteStatement>(*this, sql)).first;
    ScopedReset reset(*found->second);
    found->second->step();
}

void SqliteConnection::execute(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

void SqliteConnection::rollbackIfOpen() {
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool SqliteConnection::readOnly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

int SqliteConnection::lastErrorCode() const {
    return sqlite3_extended_errcode(db_);
}

std::int64_t SqliteConnection::lastInsertRowid() const {
    return sqlite3_last_insert_rowid(db_);
}

int SqliteConnection::lastChangedRows() const {
    return sqlite3_changes(db_);
}

void SqliteConnection::fail() const {
    const int code = sqlite3_extended_errcode(db_);
    const int number = sqliteNativeBase + code;
    std::string text = sqlite3_errmsg(db_);
    // SQLite's own words name no file, nor the cause of a lock; these the user can act on.
    if ((code & 0xff) == SQLITE_BUSY)
        text = busyMessage(path_);
    else if ((code & 0xff) == SQLITE_READONLY)
        text = readOnlyFailure(path_);
    else if ((code & 0xff) == SQLITE_FULL || sqlite3_system_errno(db_) == ENOSPC)
        text = "The disk that holds the folder '" +
               std::filesystem::path(path_).parent_path().string() +
               "' is full, so the database file '" + path_ +
               "' could not be written. Free some space on that disk, then try again";
    throw DbError(withNativeError(text, number), number);
}

} // namespace quillox::db
