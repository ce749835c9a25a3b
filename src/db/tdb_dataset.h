#pragma once

#include "db/row_block.h"
#include "db/tdb_field.h"
#include "db/value.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quillox::db {

class RowCursor;
class SqliteConnection;
class TDbDatabase;
struct TableSchema;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// What tables and queries share: opening on the database named by DatabaseName, a cursor over
// the visible rows in storage order, and field objects for the columns.
class TDbDataset {
public:
    explicit TDbDataset(const QString& name);
    virtual ~TDbDataset();
    TDbDataset(const TDbDataset&) = delete;
    TDbDataset& operator=(const TDbDataset&) = delete;

    QString Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    QString DatabaseName() const { return databaseName_; }
    void SetDatabaseName(const QString& alias) { databaseName_ = alias; }

    // Opens the dataset and makes its first row current. Throws DbError; a failed Open leaves
    // the dataset closed.
    void Open();
    // Closes the dataset; a pending edit or insert is dropped.
    void Close();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    TDataSetState State() const { return state_; }
    virtual bool IsQuery() const = 0;

    void First();
    // The last visible row becomes current, at the end.
    void Last();
    void Next();
    bool Eof() const;

    // For views that show a window of a long result: the visible rows counted with one
    // statement, and rows read as they are now without moving the current row. Each Open
    // starts a new generation, by which a view tells rows of an earlier result. Throw DbError.
    std::int64_t RecordCount();
    // The count when SQLite finds it within the budget; nothing otherwise.
    std::optional<std::int64_t> RecordCountWithin(std::chrono::milliseconds budget);
    RowBlock RowsAfter(std::optional<std::int64_t> rowid, std::size_t limit);
    RowBlock RowsBefore(std::int64_t rowid, std::size_t limit);
    RowBlock RowsFrom(std::int64_t position, std::size_t limit);
    std::uint64_t Generation() const { return generation_; }

    TDbField& FieldByName(const QString& name);
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TDbField& Fields(int index) { return *fields_.at(static_cast<std::size_t>(index)); }

    // For the field objects.
    const Value& FieldValue(int index) const;
    void SetFieldValue(int index, Value value);

protected:
    // Builds the cursor and the fields for an open on this connection. Throws DbError.
    virtual void OpenCursor(SqliteConnection& connection) = 0;
    // Stores a pending edit or insert before the cursor moves; tables only.
    virtual void CheckBrowseMode() {}

    // A message of the dataset layer, prefixed with the component's name.
    [[noreturn]] void Fail(const std::string& message) const;
    void CheckActive() const;
    void AddField(int index, const QString& name, TFieldType type, int size, bool required);
    SqliteConnection& Connection() const;

    std::unique_ptr<RowCursor> cursor_;
    std::vector<Value> buffer_; // the row being edited or inserted
    TDataSetState state_ = TDataSetState::dsInactive;

private:
    QString name_;
    QString databaseName_;
    TDbDatabase* database_ = nullptr;
    std::uint64_t generation_ = 0;
    std::vector<std::unique_ptr<TDbField>> fields_;
};

} // namespace quillox::db
