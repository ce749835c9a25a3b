#pragma once

#include "db/field_defs.h"

#include <QDateTime>
#include <QString>
#include <cstddef>
#include <optional>

namespace quillox::db {

class TDbDataset;

// The field object of one column of a dataset: reads the current row, and writes the row being
// edited or inserted. A column without a value reads as the empty text and as 0.
class TDbField {
public:
    TDbField(TDbDataset& dataset, int index, const QString& name, TFieldType type, int size,
             bool required);

    QString FieldName() const { return name_; }
    // The column's position in the dataset, from 0.
    int FieldIndex() const { return index_; }
    TFieldType DataType() const { return type_; }
    int Size() const { return size_; }
    bool Required() const { return required_; }

    bool IsNull() const;
    QString AsString() const;
    qint32 AsInteger() const;
    // Midnight of the stored date; an invalid date-time when there is no value.
    QDateTime AsDateTime() const;

    // Text is cut to the column's width at a character boundary; the empty text is no value.
    // Text holding a NUL character is refused: no column holds one.
    void SetAsString(const QString& value);
    // The bytes of the value's UTF-8 form that SetAsString keeps when the column's width cuts
    // the value; nothing when the column keeps it whole.
    std::optional<std::size_t> CutLength(const QString& value) const;
    void SetAsInteger(qint32 value);
    // Keeps the date and drops the time of day.
    void SetAsDateTime(const QDateTime& value);
    void Clear();

private:
    TDbDataset& dataset_;
    int index_;
    QString name_;
    TFieldType type_;
    int size_;
    bool required_;
};

} // namespace quillox::db
