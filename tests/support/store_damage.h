#pragma once

#include <QByteArray>
#include <QString>

namespace quillox::testing {

// Runs SQL on the file with SQLite itself, as another program would. Returns the first column
// of the first row; throws std::runtime_error with SQLite's message on a failure.
QByteArray runWithSqlite(const QString& file, const char* sql);

// Damage that a crash leaves when a commit reached a table but not its index: the statement is
// run, then the Documents index page is put back as it was before.
void loseTheIndexChangeOf(const QString& file, const char* sql);

// Leaves the lock file that a copy of the program holding it leaves when it dies.
void leaveTheLockOfADeadCopy(const QString& lockFile);

} // namespace quillox::testing
