#include "db/tdb_field.h"

#include "db/db_error.h"
#include "db/sql/input_excerpt.h"
#include "db/tdb_dataset.h"
#include "db/text_rules.h"

namespace quillox::db {
namespace {

std::string textOf(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return std::to_string(*integer);
    return {};
}

[[noreturn]] void invalid(const std::string& text, const char* what) {
    throw DbError("'" + sql::inputExcerpt(text) + "' is not a valid " + what);
}

} // namespace

TDbField::TDbField(TDbDataset& dataset, int index, const QString& name, TFieldType type, int size,
                   bool required)
    : dataset_(dataset), index_(index), name_(name), type_(type), size_(size), required_(required) {
}

bool TDbField::IsNull() const {
    return isNull(dataset_.FieldValue(index_));
}

QString TDbField::AsString() const {
    const Value& value = dataset_.FieldValue(index_);
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()));
    return QString::fromStdString(textOf(value));
}

qint32 TDbField::AsInteger() const {
    const Value& value = dataset_.FieldValue(index_);
    if (isNull(value))
        return 0;
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        if (*integer >= INT32_MIN && *integer <= INT32_MAX)
            return static_cast<qint32>(*integer);
    }
    const std::string text = textOf(value);
    const auto number = parseInt32(text);
    if (!number)
        invalid(text, "integer value");
    return *number;
}

QDateTime TDbField::AsDateTime() const {
    const Value& value = dataset_.FieldValue(index_);
    if (isNull(value))
        return {};
    const std::string text = textOf(value);
    if (!parseIsoDate(text))
        invalid(text, "date");
    return QDateTime(QDate::fromString(QString::fromStdString(text), Qt::ISODate), QTime(0, 0));
}

void TDbField::SetAsString(const QString& value) {
    // SQLite would keep the character inside the text, where readers that stop at it see less.
    if (value.contains(QChar(u'\0')))
        throw DbError("Field '" + name_.toStdString() + "' cannot hold a NUL character");
    std::string text = value.toStdString();
    if (text.empty()) {
        Clear();
        return;
    }
    switch (type_) {
    case ftInteger: {
        const auto number = parseInt32(text);
        if (!number)
            invalid(text, "integer value");
        dataset_.SetFieldValue(index_, static_cast<std::int64_t>(*number));
        return;
    }
    case ftDate:
        if (!parseIsoDate(text))
            invalid(text, "date");
        dataset_.SetFieldValue(index_, std::move(text));
        return;
    case ftString:
        break;
    }
    dataset_.SetFieldValue(index_, cutToWidth(std::move(text), static_cast<std::size_t>(size_)));
}

std::optional<std::size_t> TDbField::CutLength(const QString& value) const {
    if (type_ != ftString)
        return std::nullopt;
    const std::string text = value.toStdString();
    const std::size_t kept = widthKept(text, static_cast<std::size_t>(size_));
    if (kept == text.size())
        return std::nullopt;
    return kept;
}

void TDbField::SetAsInteger(qint32 value) {
    if (type_ == ftDate)
        throw DbError("Field '" + name_.toStdString() + "' cannot take an integer value");
    if (type_ == ftString)
        SetAsString(QString::number(value));
    else
        dataset_.SetFieldValue(index_, static_cast<std::int64_t>(value));
}

void TDbField::SetAsDateTime(const QDateTime& value) {
    if (type_ == ftInteger)
        throw DbError("Field '" + name_.toStdString() + "' cannot take a date value");
    if (!value.isValid()) {
        Clear();
        return;
    }
    SetAsString(value.date().toString(Qt::ISODate));
}

void TDbField::Clear() {
    dataset_.SetFieldValue(index_, std::monostate{});
}

} // namespace quillox::db
