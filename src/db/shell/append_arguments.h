#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace quillox::db::shell {

struct ColumnValue {
    QString column;
    QString value; // the empty text leaves the column without a value
};

// The row that ".append TABLE Column=value ..." asks for.
struct AppendArguments {
    QString table;
    std::vector<ColumnValue> values;
};

// Reads the text after ".append": the table name, then Column=value pairs separated by white
// space.
// A value with blanks is written between double quotes, a double quote inside it doubled.
// Throws ShellError for a missing table name, a pair without "=" or a column name, an unclosed
// quote, or a stray double quote.
AppendArguments parseAppendArguments(QStringView text);

} // namespace quillox::db::shell
