#pragma once

#include <QString>
#include <vector>

namespace quillox::db {

enum TFieldType { ftString, ftInteger, ftDate };

enum TIndexOption : unsigned { ixPrimary = 1, ixUnique = 2 };
using TIndexOptions = unsigned;

struct TFieldDef {
    QString Name;
    TFieldType DataType = ftString;
    int Size = 0; // width in bytes of a text column, 0 otherwise
    bool Required = false;
};

struct TIndexDef {
    QString Name;
    QString Fields; // column names separated by ";"
    TIndexOptions Options = 0;
};

// The column definitions a table component creates its table from, in column order.
class TFieldDefs {
public:
    void Clear() { items_.clear(); }
    void Add(const QString& name, TFieldType type, int size, bool required) {
        items_.push_back({name, type, size, required});
    }
    const std::vector<TFieldDef>& Items() const { return items_; }

private:
    std::vector<TFieldDef> items_;
};

// The index definitions a table component creates its table with.
class TIndexDefs {
public:
    void Clear() { items_.clear(); }
    void Add(const QString& name, const QString& fields, TIndexOptions options) {
        items_.push_back({name, fields, options});
    }
    const std::vector<TIndexDef>& Items() const { return items_; }

private:
    std::vector<TIndexDef> items_;
};

} // namespace quillox::db
