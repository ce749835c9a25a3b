#include "db/statement_deadline.h"

#include "db/sqlite_connection.h"

#include <sqlite3.h>

namespace quillox::db {
namespace {

// SQLite asks after this many of its steps; a few microseconds of work.
constexpr int stepsBetweenChecks = 1000;

} // namespace

StatementDeadline::StatementDeadline(SqliteConnection& connection, std::chrono::milliseconds budget)
    : connection_(connection), end_(std::chrono::steady_clock::now() + budget) {
    sqlite3_progress_handler(connection_.handle(), stepsBetweenChecks, &StatementDeadline::expired,
                             this);
}

StatementDeadline::~StatementDeadline() {
    sqlite3_progress_handler(connection_.handle(), 0, nullptr, nullptr);
}

int StatementDeadline::expired(void* deadline) {
    return std::chrono::steady_clock::now() > static_cast<StatementDeadline*>(deadline)->end_ ? 1
                                                                                              : 0;
}

} // namespace quillox::db
