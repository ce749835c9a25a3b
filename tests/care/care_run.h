#pragma once

#include "care/backup_manifest.h"
#include "qt_printers.h"

#include <QString>
#include <QStringList>
#include <cstddef>

namespace quillox::testing {

class TempHome;

// What a run of quillox-db did.
struct CareRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs quillox-db with the arguments, in this process's environment: the current TempHome's.
CareRun runQuilloxDb(const QStringList& arguments);

// Makes the store of the current home with the folder FILED and the documents first to last in
// it, as the backup_filer files them. Fails the test when it cannot.
void makeStore(const TempHome& home, int first, int last);

// Every entry below the folder, hidden ones too, links never followed, sorted: "PATH SIZE
// SHA-256" for a file, "PATH/" for a folder, "PATH -> TARGET" for a link.
QStringList listingOf(const QString& folder);

// The manifest of a backup folder, read and written as the care commands do.
care::BackupManifest manifestOf(const QString& backupFolder);
void writeManifest(const QString& backupFolder, const care::BackupManifest& manifest);
// The manifest with the file at the index put in place of its own.
care::BackupManifest withFile(const care::BackupManifest& manifest, std::size_t index,
                              const care::ManifestFile& file);

} // namespace quillox::testing
