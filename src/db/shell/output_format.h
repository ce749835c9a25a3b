#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

namespace quillox::db::shell {

// A value made safe for one tab-separated line: tab, line feed, carriage return and backslash
// become \t, \n, \r and \\.
QString escapeValue(const QString& value);

// Writes the values escaped, separated by tabs, as one line in UTF-8.
void writeLine(std::ostream& out, const QStringList& values);

} // namespace quillox::db::shell
