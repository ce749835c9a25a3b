#pragma once

#include "care/backup_manifest.h"
#include "platform/descriptor.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace quillox::care {

// A backup folder whose files were all read and found as its manifest says.
struct CheckedBackup {
    QString path; // without a final "/"
    platform::Descriptor folder;
    BackupManifest manifest;
    // The modification time of each file of the manifest as it was read, in its order, which
    // tells later whether the file changed since.
    std::vector<std::int64_t> modifiedNs;
};

// Reads the backup folder's manifest, refusing a missing file or one of another size at its
// record, then every file it names in full, on every core: each must
// be an ordinary file below the folder, reached through no symbolic link, of the manifest's
// size and SHA-256. Nothing is written. Throws UserError naming what is missing, changed or not
// well formed.
CheckedBackup checkBackup(const QString& folder);

// Opens a file that the check found, and refuses one that changed since: the descriptor.
// Throws UserError.
platform::Descriptor openCheckedFile(const CheckedBackup& backup, std::size_t index);

} // namespace quillox::care
