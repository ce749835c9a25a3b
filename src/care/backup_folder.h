#pragma once

#include "platform/descriptor.h"

#include <QString>

namespace quillox::care {

// The folder a backup is written into, made for it or found empty. Until the backup is
// finished, going removes what the backup put into it, and the folder itself when it was made.
class BackupFolder {
public:
    // Makes the folder, whose parent must exist, or takes an empty one. Throws UserError for
    // anything else there, and for a folder inside the store folder, whose files every check
    // and backup would take for strays.
    BackupFolder(const QString& path, const QString& storeFolder);
    ~BackupFolder();
    BackupFolder(const BackupFolder&) = delete;
    BackupFolder& operator=(const BackupFolder&) = delete;

    // The folder's path, absolute, without a final "/".
    const QString& path() const { return path_; }
    // The open folder.
    int descriptor() const { return folder_.get(); }
    // The path of an entry in the folder.
    QString filePath(const QString& name) const { return path_ + "/" + name; }
    // Keeps what is in the folder.
    void finish() { finished_ = true; }

private:
    QString path_;
    bool made_ = false;
    bool finished_ = false;
    platform::Descriptor folder_;
};

} // namespace quillox::care
