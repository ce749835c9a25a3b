#include "plain_sqlite.h"

#include <sqlite3.h>
#include <stdexcept>

PlainDb::PlainDb(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
}

PlainDb::~PlainDb() {
    sqlite3_close(db_);
}

void PlainDb::exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

void PlainDb::attach(const QString& file, const std::string& name) {
    PlainStatement statement(*this, "ATTACH ? AS " + name);
    statement.bind(1, file.toStdString());
    statement.step();
}

void PlainDb::fail() const {
    throw std::runtime_error(sqlite3_errmsg(db_));
}

PlainStatement::PlainStatement(PlainDb& db, const std::string& sql) : db_(db) {
    if (sqlite3_prepare_v2(db.handle(), sql.c_str(), static_cast<int>(sql.size()), &statement_,
                           nullptr) != SQLITE_OK) {
        db.fail();
    }
}

PlainStatement::~PlainStatement() {
    sqlite3_finalize(statement_);
}

void PlainStatement::bind(int number, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, number, value) != SQLITE_OK)
        db_.fail();
}

void PlainStatement::bind(int number, const std::string& text) {
    const int rc = text.empty() ? sqlite3_bind_null(statement_, number)
                                : sqlite3_bind_text64(statement_, number, text.data(), text.size(),
                                                      SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK)
        db_.fail();
}

bool PlainStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        db_.fail();
    return false;
}

void PlainStatement::reset() {
    sqlite3_reset(statement_);
}
