#include "care/folder_faults.h"

#include <QHash>
#include <algorithm>

namespace quillox::care {
namespace {

enum class Visit { Never, OnPath, Done };

// Follows the parents from the folder until the top level, a missing parent, a folder already
// done, or a folder on the path itself, which closes a cycle.
void walkParents(const QString& start, const QHash<QString, QString>& parentOf,
                 QHash<QString, Visit>& visits, std::vector<QStringList>& cycles) {
    QStringList path;
    QString name = start;
    while (parentOf.contains(name) && visits.value(name) == Visit::Never) {
        visits[name] = Visit::OnPath;
        path << name;
        name = parentOf[name];
    }
    if (visits.value(name) == Visit::OnPath) {
        QStringList cycle = path.mid(path.indexOf(name));
        const auto least = std::min_element(cycle.begin(), cycle.end());
        std::rotate(cycle.begin(), least, cycle.end());
        cycles.push_back(cycle);
    }
    for (const QString& walked : path)
        visits[walked] = Visit::Done;
}

} // namespace

FolderFaults findFolderFaults(const std::vector<FolderRow>& rows, const QString& topLevel) {
    FolderFaults faults;
    QHash<QString, QString> parentOf;
    for (const FolderRow& row : rows) {
        if (parentOf.contains(row.name)) {
            if (!faults.sharedNames.contains(row.name))
                faults.sharedNames << row.name;
            continue;
        }
        parentOf.insert(row.name, row.parent);
    }
    for (const FolderRow& row : rows) {
        if (row.parent != topLevel && !parentOf.contains(row.parent))
            faults.missingParents.emplace_back(row.name, row.parent);
    }
    QHash<QString, Visit> visits;
    QStringList names = parentOf.keys();
    names.sort();
    for (const QString& name : names)
        walkParents(name, parentOf, visits, faults.cycles);
    return faults;
}

} // namespace quillox::care
