#include "care/listing.h"

namespace quillox::care {

void printListing(std::ostream& out, const QString& heading, const QStringList& lines,
                  const QString& advice) {
    if (lines.isEmpty())
        return;
    out << heading.toStdString() << " (" << lines.size() << "):\n";
    for (const QString& line : lines)
        out << "  " << line.toStdString() << '\n';
    if (!advice.isEmpty())
        out << "  " << advice.toStdString() << '\n';
    out << '\n';
}

} // namespace quillox::care
