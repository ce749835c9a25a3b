#include "row_readers.h"

#include "db/tdb_dataset.h"
#include "plain_sqlite.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <sqlite3.h>
#include <vector>

namespace {

using quillox::db::TDbField;

enum class Kind { Text, Integer, Date };

// What a row's values add up to, so that reading them cannot be optimised away.
std::int64_t weight(const QString& text) {
    return text.size();
}
std::int64_t weight(const QDateTime& date) {
    return date.isValid() ? 1 : 0;
}

Kind engineKind(const TDbField& field) {
    switch (field.DataType()) {
    case quillox::db::ftInteger:
        return Kind::Integer;
    case quillox::db::ftDate:
        return Kind::Date;
    case quillox::db::ftString:
        break;
    }
    return Kind::Text;
}

} // namespace

std::int64_t readEngineRows(quillox::db::TDbDataset& dataset) {
    std::vector<std::pair<const TDbField*, Kind>> fields;
    for (int i = 0; i < dataset.FieldCount(); ++i)
        fields.emplace_back(&dataset.Fields(i), engineKind(dataset.Fields(i)));
    std::int64_t rows = 0;
    std::int64_t sink = 0;
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
        for (const auto& [field, kind] : fields) {
            switch (kind) {
            case Kind::Text:
                sink += weight(field->AsString());
                break;
            case Kind::Integer:
                sink += field->AsInteger();
                break;
            case Kind::Date:
                sink += weight(field->AsDateTime());
                break;
            }
        }
        ++rows;
    }
    benchmark::DoNotOptimize(sink);
    return rows;
}

std::int64_t readPlainRows(PlainStatement& statement) {
    sqlite3_stmt* handle = statement.handle();
    std::vector<Kind> kinds;
    for (int i = 0; i < sqlite3_column_count(handle); ++i) {
        const char* declared = sqlite3_column_decltype(handle, i);
        if (std::strcmp(sqlite3_column_name(handle, i), "InputDate") == 0)
            kinds.push_back(Kind::Date);
        else if (declared && std::strcmp(declared, "INTEGER") == 0)
            kinds.push_back(Kind::Integer);
        else
            kinds.push_back(Kind::Text);
    }
    std::int64_t rows = 0;
    std::int64_t sink = 0;
    while (statement.step()) {
        for (int i = 0; i < static_cast<int>(kinds.size()); ++i) {
            const Kind kind = kinds[static_cast<std::size_t>(i)];
            if (kind == Kind::Integer) {
                sink += sqlite3_column_int(handle, i);
                continue;
            }
            const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(handle, i));
            const QString text = QString::fromUtf8(data, sqlite3_column_bytes(handle, i));
            if (kind == Kind::Text)
                sink += weight(text);
            else
                sink += weight(QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0)));
        }
        ++rows;
    }
    benchmark::DoNotOptimize(sink);
    return rows;
}
