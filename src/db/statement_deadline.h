#pragma once

#include <chrono>

namespace quillox::db {

class SqliteConnection;

// Interrupts the statements that the connection runs while the object lives once the time is
// up: they fail with SQLITE_INTERRUPT. For work that is worth doing only when it is quick.
class StatementDeadline {
public:
    StatementDeadline(SqliteConnection& connection, std::chrono::milliseconds budget);
    ~StatementDeadline();
    StatementDeadline(const StatementDeadline&) = delete;
    StatementDeadline& operator=(const StatementDeadline&) = delete;

private:
    static int expired(void* deadline);

    SqliteConnection& connection_;
    std::chrono::steady_clock::time_point end_;
};

} // namespace quillox::db
