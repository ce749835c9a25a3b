#include "db/tdb_dataset.h"

#include "db/db_error.h"
#include "db/row_cursor.h"
#include "db/sql/input_excerpt.h"
#include "db/tdb_database.h"
#include "db/text_rules.h"

namespace quillox::db {

TDbDataset::TDbDataset(const QString& name) : name_(name) {}

TDbDataset::~TDbDataset() {
    Close();
}

void TDbDataset::Fail(const std::string& message) const {
    throw DbError(name_.isEmpty() ? message : name_.toStdString() + ": " + message);
}

void TDbDataset::CheckActive() const {
    if (!Active())
        Fail("Cannot perform this operation on a closed dataset");
}

SqliteConnection& TDbDataset::Connection() const {
    TDbDatabase* database = findDatabase(databaseName_);
    if (!database)
        Fail("Database '" + databaseName_.toStdString() + "' not found");
    return database->Connection();
}

void TDbDataset::Open() {
    if (Active())
        return;
    TDbDatabase* database = findDatabase(databaseName_);
    try {
        OpenCursor(Connection());
    } catch (...) {
        cursor_.reset();
        fields_.clear();
        throw;
    }
    database_ = database;
    database_->Attach(this);
    state_ = TDataSetState::dsBrowse;
    ++generation_;
}

void TDbDataset::Close() {
    if (database_)
        database_->Detach(this);
    database_ = nullptr;
    cursor_.reset();
    fields_.clear();
    buffer_.clear();
    state_ = TDataSetState::dsInactive;
}

void TDbDataset::First() {
    CheckActive();
    CheckBrowseMode();
    cursor_->first();
}

void TDbDataset::Last() {
    CheckActive();
    CheckBrowseMode();
    cursor_->last();
}

void TDbDataset::Next() {
    CheckActive();
    CheckBrowseMode();
    cursor_->next();
}

std::int64_t TDbDataset::RecordCount() {
    CheckActive();
    return cursor_->count().value_or(0);
}

std::optional<std::int64_t> TDbDataset::RecordCountWithin(std::chrono::milliseconds budget) {
    CheckActive();
    return cursor_->count(budget);
}

RowBlock TDbDataset::RowsAfter(std::optional<std::int64_t> rowid, std::size_t limit) {
    CheckActive();
    return cursor_->rowsAfter(rowid, limit);
}

RowBlock TDbDataset::RowsBefore(std::int64_t rowid, std::size_t limit) {
    CheckActive();
    return cursor_->rowsBefore(rowid, limit);
}

RowBlock TDbDataset::RowsFrom(std::int64_t position, std::size_t limit) {
    CheckActive();
    return cursor_->rowsFrom(position, limit);
}

bool TDbDataset::Eof() const {
    return !cursor_ || cursor_->eof();
}

TDbField& TDbDataset::FieldByName(const QString& name) {
    const std::string wanted = name.toStdString();
    for (auto& field : fields_) {
        if (sameName(field->FieldName().toStdString(), wanted))
            return *field;
    }
    Fail("Field '" + sql::inputExcerpt(wanted) + "' not found");
}

void TDbDataset::AddField(int index, const QString& name, TFieldType type, int size,
                          bool required) {
    fields_.push_back(std::make_unique<TDbField>(*this, index, name, type, size, required));
}

const Value& TDbDataset::FieldValue(int index) const {
    static const Value none;
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert)
        return buffer_.at(static_cast<std::size_t>(index));
    return cursor_ ? cursor_->value(static_cast<std::size_t>(index)) : none;
}

void TDbDataset::SetFieldValue(int index, Value value) {
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert)
        Fail("Dataset not in edit or insert mode");
    buffer_.at(static_cast<std::size_t>(index)) = std::move(value);
}

} // namespace quillox::db
