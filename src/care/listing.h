#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

namespace quillox::care {

// Writes a heading with the number of lines, then the lines and the advice indented, and a
// blank line, as the care commands list what they found; nothing when there are no lines.
void printListing(std::ostream& out, const QString& heading, const QStringList& lines,
                  const QString& advice = {});

} // namespace quillox::care
