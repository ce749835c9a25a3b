#include "db/tdb_database.h"

#include "db/db_error.h"
#include "db/new_file.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/tdb_dataset.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sqlite3.h>
#include <unistd.h>

namespace quillox::db {
namespace {

// Marks a SQLite file as a Quillox database ("Qulx").
constexpr std::int64_t applicationId = 0x51756c78;

std::map<QString, TDbDatabase*>& registry() {
    static std::map<QString, TDbDatabase*> databases;
    return databases;
}

std::int64_t readNumber(SqliteConnection& connection, const std::string& sql) {
    SqliteStatement statement(connection, sql);
    ScopedReset reset(statement);
    return statement.step() ? statement.columnInt(0) : 0;
}

// A file that another program made is left alone: only a database marked as ours is opened,
// and only an empty one, a file of no bytes or a database without tables that nobody marked,
// is marked when the caller says so.
void checkOwnership(SqliteConnection& connection, bool claimEmpty) {
    const std::int64_t id = readNumber(connection, "PRAGMA application_id");
    if (id == applicationId)
        return;
    const std::string file = "The file '" + connection.path() + "'";
    if (id != 0 || readNumber(connection, "SELECT count(*) FROM sqlite_schema") != 0)
        throwEngineError(file + " is not a Quillox database", NativeError::ForeignDatabase);
    if (claimEmpty)
        connection.execute("PRAGMA application_id = " + std::to_string(applicationId));
    else if (QFileInfo(QString::fromStdString(connection.path())).size() == 0)
        throwEngineError(file + " is empty", NativeError::EmptyFile);
    else
        throwEngineError(file + " holds an empty database that Quillox did not make",
                         NativeError::UnmarkedDatabase);
}

} // namespace

TDbDatabase* findDatabase(const QString& alias) {
    const auto found = registry().find(alias.toUpper());
    return found == registry().end() ? nullptr : found->second;
}

TDbDatabase::TDbDatabase(const QString& name) : name_(name) {}

TDbDatabase::~TDbDatabase() {
    Close();
    SetDatabaseName({});
}

void TDbDatabase::SetDatabaseName(const QString& alias) {
    if (findDatabase(alias_) == this)
        registry().erase(alias_.toUpper());
    alias_ = alias;
    if (!alias_.isEmpty())
        registry()[alias_.toUpper()] = this;
}

void TDbDatabase::SetDatabaseFileName(const QString& fileName) {
    Close();
    fileName_ = fileName;
}

void TDbDatabase::Open() {
    openFile(false);
}

void TDbDatabase::ClaimEmptyFile() {
    openFile(true);
}

void TDbDatabase::openFile(bool claimEmpty) {
    if (Connected())
        return;
    if (QFileInfo(fileName_).isDir()) {
        throw DbError(name_.toStdString() + ": '" + fileName_.toStdString() +
                      "' is a folder, not a database file. Name the database file itself, or "
                      "move the folder out of the way");
    }
    if (fileName_.isEmpty() || !QFileInfo(fileName_).isFile()) {
        throw DbError(name_.toStdString() + ": Database file '" + fileName_.toStdString() +
                      "' does not exist");
    }
    auto connection = std::make_unique<SqliteConnection>(fileName_.toStdString());
    checkOwnership(*connection, claimEmpty);
    connection_ = std::move(connection);
}

void TDbDatabase::CreateDatabase() {
    Close();
    // Marked before it gets its name, so that no crash leaves an empty file under the name.
    createNewFile(fileName_.toStdString(), [](const std::string& staging) {
        SqliteConnection connection(staging);
        checkOwnership(connection, true);
    });
    ClaimEmptyFile();
}

void TDbDatabase::AddManagedIndexes(const std::vector<ManagedIndex>& indexes) {
    addManagedIndexes(Connection(), indexes);
}

void TDbDatabase::RebuildIndexes() {
    rebuildIndexes(Connection());
}

void TDbDatabase::Close() {
    auto close = [this](bool queries) {
        for (TDbDataset* dataset : std::vector<TDbDataset*>(datasets_)) {
            if (dataset->IsQuery() == queries)
                dataset->Close();
        }
    };
    close(true);
    close(false);
    connection_.reset();
}

bool TDbDatabase::ReadOnly() {
    return Connection().readOnly();
}

void TDbDatabase::RequireWritable() {
    if (!ReadOnly())
        return;
    const int number = sqliteNativeBase + SQLITE_READONLY;
    throw DbError(withNativeError(readOnlyFailure(Connection().path()), number), number);
}

SqliteConnection& TDbDatabase::Connection() {
    Open();
    return *connection_;
}

void TDbDatabase::Attach(TDbDataset* dataset) {
    if (std::find(datasets_.begin(), datasets_.end(), dataset) == datasets_.end())
        datasets_.push_back(dataset);
}

void TDbDatabase::Detach(TDbDataset* dataset) {
    std::erase(datasets_, dataset);
}

} // namespace quillox::db
