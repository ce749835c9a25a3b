#pragma once

#include "db/tdb_dataset.h"

#include <QStringList>

namespace quillox::db {

// The lines of a query's statement.
class TSqlLines {
public:
    void Clear() { lines_.clear(); }
    void Add(const QString& line) { lines_.append(line); }
    int Count() const { return static_cast<int>(lines_.size()); }
    QString Text() const { return lines_.join('\n'); }

private:
    QStringList lines_;
};

// The query component: runs one SELECT of the statement language and offers its result, read
// only, with its own cursor. The result reads the table as it is when the cursor moves.
class TDbQuery : public TDbDataset {
public:
    explicit TDbQuery(const QString& name = {});
    ~TDbQuery() override;

    TSqlLines& SQL() { return sql_; }
    bool IsQuery() const override { return true; }

protected:
    void OpenCursor(SqliteConnection& connection) override;

private:
    TSqlLines sql_;
};

} // namespace quillox::db
