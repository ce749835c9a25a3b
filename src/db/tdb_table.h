#pragma once

#include "db/field_defs.h"
#include "db/tdb_dataset.h"

#include <memory>

namespace quillox::db {

// The table component: creates, opens and walks one table, appends, edits and deletes its rows
// (each change in the file when the call returns), optionally through a row filter.
class TDbTable : public TDbDataset {
public:
    explicit TDbTable(const QString& name = {});
    ~TDbTable() override;

    QString TableName() const { return tableName_; }
    void SetTableName(const QString& table);
    // Whether the table is in the database; false also when the database cannot be opened.
    bool Exists();

    TFieldDefs& FieldDefs() { return fieldDefs_; }
    TIndexDefs& IndexDefs() { return indexDefs_; }
    // Creates the table, empty, from the definitions; the component must be closed.
    void CreateTable();

    // The largest value of an integer column over every row, whatever the filter; 0 for an
    // empty table. An indexed column answers without a pass over the table.
    qint64 LargestInteger(const QString& column);

    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    QString Filter() const { return filter_; }
    void SetFilter(const QString& filter);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool filtered);

    bool IsQuery() const override { return false; }

protected:
    void OpenCursor(SqliteConnection& connection) override;
    void CheckBrowseMode() override;

private:
    void ApplyFilter(const QString& filter, bool filtered);
    void CheckRequired() const;
    [[noreturn]] void FailDuplicate() const;

    QString tableName_;
    TFieldDefs fieldDefs_;
    TIndexDefs indexDefs_;
    QString filter_;
    bool filtered_ = false;
    std::unique_ptr<TableSchema> schema_;
};

} // namespace quillox::db
