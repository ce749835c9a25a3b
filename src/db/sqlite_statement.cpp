#include "db/sqlite_statement.h"

#include "db/sqlite_connection.h"

#include <sqlite3.h>

namespace quillox::db {

SqliteStatement::SqliteStatement(SqliteConnection& connection, const std::string& sql)
    : connection_(connection) {
    if (sqlite3_prepare_v3(connection.handle(), sql.c_str(), static_cast<int>(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) != SQLITE_OK) {
        connection.fail();
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::bind(int number, const Value& value) {
    int rc = SQLITE_OK;
    if (const auto* text = std::get_if<std::string>(&value)) {
        rc = sqlite3_bind_text64(statement_, number, text->data(), text->size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    } else if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        rc = sqlite3_bind_int64(statement_, number, *integer);
    } else {
        rc = sqlite3_bind_null(statement_, number);
    }
    if (rc != SQLITE_OK)
        connection_.fail();
}

void SqliteStatement::bind(int number, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, number, value) != SQLITE_OK)
        connection_.fail();
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The error must be read before reset, which may replace it.
    try {
        connection_.fail();
    } catch (...) {
        sqlite3_reset(statement_);
        throw;
    }
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(statement_);
}

Value SqliteStatement::column(int index) const {
    switch (sqlite3_column_type(statement_, index)) {
    case SQLITE_NULL:
        return std::monostate{};
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(statement_, index));
    default:
        return columnText(index);
    }
}

std::int64_t SqliteStatement::columnInt(int index) const {
    return sqlite3_column_int64(statement_, index);
}

std::string SqliteStatement::columnText(int index) const {
    const auto* text = sqlite3_column_text(statement_, index);
    const int bytes = sqlite3_column_bytes(statement_, index);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes))
                : std::string();
}

} // namespace quillox::db
