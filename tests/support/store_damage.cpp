#include "store_damage.h"

#include <QFile>
#include <QLockFile>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace quillox::testing {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void replaceBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

QByteArray runWithSqlite(const QString& file, const char* sql) {
    sqlite3* handle = nullptr;
    QByteArray result;
    if (sqlite3_open(file.toUtf8().constData(), &handle) != SQLITE_OK) {
        sqlite3_close(handle);
        throw std::runtime_error("cannot open " + file.toStdString());
    }
    const char* rest = sql;
    sqlite3_stmt* statement = nullptr;
    while (*rest && sqlite3_prepare_v2(handle, rest, -1, &statement, &rest) == SQLITE_OK) {
        if (sqlite3_step(statement) == SQLITE_ROW && result.isEmpty())
            result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
    }
    const std::string error = sqlite3_errcode(handle) == SQLITE_OK ? "" : sqlite3_errmsg(handle);
    sqlite3_close(handle);
    if (!error.empty())
        throw std::runtime_error(error);
    return result;
}

void loseTheIndexChangeOf(const QString& file, const char* sql) {
    const int pageSize = runWithSqlite(file, "PRAGMA page_size").toInt();
    const int indexPage =
        runWithSqlite(file, "SELECT rootpage FROM sqlite_schema WHERE type = 'index' AND "
                            "tbl_name = 'Documents'")
            .toInt();
    const qint64 at = qint64(indexPage - 1) * pageSize;
    const QByteArray before = bytesOf(file).mid(at, pageSize);
    runWithSqlite(file, sql);
    QByteArray after = bytesOf(file);
    after.replace(at, pageSize, before);
    replaceBytes(file, after);
}

void leaveTheLockOfADeadCopy(const QString& lockFile) {
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("cannot start a process");
    if (child == 0) {
        QLockFile lock(lockFile);
        ::_exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("cannot leave a lock in " + lockFile.toStdString());
}

} // namespace quillox::testing
