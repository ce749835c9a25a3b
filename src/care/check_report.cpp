#include "care/check_report.h"

#include "care/listing.h"

namespace quillox::care {

ReportSection& CheckReport::section(const QString& heading, const QString& advice, bool finding) {
    sections_.push_back({heading, advice, finding, {}});
    return sections_.back();
}

qsizetype CheckReport::findingCount() const {
    qsizetype count = 0;
    for (const ReportSection& section : sections_) {
        if (section.finding)
            count += section.lines.size();
    }
    return count;
}

void CheckReport::print(std::ostream& out, const QString& checked) const {
    for (const ReportSection& section : sections_)
        printListing(out, section.heading, section.lines, section.advice);
    const qsizetype findings = findingCount();
    out << "Checked " << checked.toStdString() << ": "
        << (findings == 0 ? QString("no findings.")
                          : QString("%1 finding%2.").arg(findings).arg(findings == 1 ? "" : "s"))
               .toStdString()
        << '\n';
}

} // namespace quillox::care
