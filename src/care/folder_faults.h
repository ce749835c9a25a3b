#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace quillox::care {

struct FolderRow {
    QString name;
    QString parent; // the top-level mark for a folder at the top level
};

// What keeps folders from being reached from the top level, or makes two folders one.
struct FolderFaults {
    // "NAME" under "PARENT": folders whose Parent names no folder.
    std::vector<std::pair<QString, QString>> missingParents;
    // Each cycle once, its folders in the order of their parents, starting at the least name.
    std::vector<QStringList> cycles;
    // Names that more than one row carries.
    QStringList sharedNames;
};

// Finds the faults among the rows of the Folders table; topLevel is the Parent of a folder at
// the top level.
FolderFaults findFolderFaults(const std::vector<FolderRow>& rows, const QString& topLevel);

} // namespace quillox::care
