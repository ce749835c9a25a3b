#pragma once

#include "platform/descriptor.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

namespace quillox::care {

// The folders below the store folder, reached from the store folder's descriptor without
// following a symbolic link: a link below the store folder could lead a restore to write
// anywhere. The store folder itself may be a link, the user's own choice.
class StoreSubfolders {
public:
    // The store folder (absolute, without a final "/"), open. Throws UserError.
    explicit StoreSubfolders(const QString& storeFolder);

    int store() const { return store_.get(); }
    // The folder at the relative path below the store folder, the store folder itself for an
    // empty path; missing folders are made on the way when made is given, each one's path
    // added to it. Throws UserError naming a link met on the way, or the folder and the
    // system's reason; an invalid descriptor for a missing folder when none are made.
    platform::Descriptor open(const QByteArray& path, QList<QByteArray>* made = nullptr) const;
    // The path shown for an entry below the store folder.
    QString shown(const QByteArray& path) const;

private:
    QString path_;
    platform::Descriptor store_;
};

// Refuses, with UserError naming it, a symbolic link among the folders on the way to any of the
// files (paths relative to the store folder) that exist already. A missing store folder holds
// none. Writes nothing.
void refuseLinksOnTheWay(const QString& storeFolder, const std::vector<QByteArray>& files);

} // namespace quillox::care
