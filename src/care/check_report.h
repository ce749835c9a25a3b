#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <ostream>

namespace quillox::care {

// One kind of thing a check reports: a heading, what the user can do about it, and one line a
// case. Findings make a check fail; the rest is told for information.
struct ReportSection {
    QString heading;
    QString advice;
    bool finding = true;
    QStringList lines;
};

// What a check found, in the order its sections were added.
class CheckReport {
public:
    // Adds a section and returns it, to be filled; it stays valid while the report lives.
    ReportSection& section(const QString& heading, const QString& advice, bool finding = true);
    // How many cases the findings list.
    qsizetype findingCount() const;
    // Writes the sections that have lines, and then the summary line, which names what was
    // checked.
    void print(std::ostream& out, const QString& checked) const;

private:
    std::deque<ReportSection> sections_; // a deque, so that added sections stay where they are
};

} // namespace quillox::care
