#include "care/store_restore.h"

#include "care/backup_check.h"
#include "care/care_command.h"
#include "care/copy_placement.h"
#include "care/listing.h"
#include "care/made_folders.h"
#include "care/restore_leftovers.h"
#include "care/restore_marker.h"
#include "care/staged_database.h"
#include "care/store_lock.h"
#include "care/store_subfolders.h"
#include "db/journal_left.h"
#include "db/tdb_database.h"
#include "platform/user_error.h"
#include "store/interrupted_restore.h"
#include "store/misc_ops.h"
#include "store/relocate_copies.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace quillox::care {
namespace {

const QString usage = "usage: quillox-db restore BACKUP [--replace]";

struct RestoreOptions {
    QString backupFolder;
    bool replace = false;
};

RestoreOptions parseOptions(const QStringList& arguments) {
    RestoreOptions options;
    for (const QString& argument : arguments) {
        if (argument == "--replace")
            options.replace = true;
        else if (!argument.startsWith("--") && options.backupFolder.isEmpty())
            options.backupFolder = argument;
        else
            throw platform::UserError("\"" + argument + "\" is not understood. " + usage);
    }
    if (options.backupFolder.isEmpty())
        throw platform::UserError("Name the backup folder. " + usage);
    return options;
}

bool exists(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// A journal that SQLite would play back would be played into whatever database has the name,
// the restored one too. One that it ignores is no reason to refuse.
void refuseWhatIsInTheWay(const QString& databaseFile, bool replace) {
    if (db::journalLeftBehind(databaseFile)) {
        throw platform::UserError(
            QString("A change to the store was cut short: a journal lies beside its database "
                    "\"%1\". Start Quillox and quit it, so that the change is taken back, then "
                    "restore again. When Quillox cannot open the store, move the database "
                    "and the files beside it whose names begin with its own aside together "
                    "first.")
                .arg(databaseFile));
    }
    if (exists(databaseFile) && !replace) {
        throw platform::UserError(
            QString("A store is there already: \"%1\". Restore with --replace to put the backup "
                    "in its place; its database is then kept beside it.")
                .arg(databaseFile));
    }
}

// The stored copies' paths below the store folder, as the backup names them.
std::vector<QByteArray> copyNames(const CheckedBackup& backup) {
    const QByteArray prefix = QByteArray(backupDocumentsFolder) + "/";
    std::vector<QByteArray> names;
    for (const ManifestFile& file : backup.manifest.files) {
        if (file.path.startsWith(prefix))
            names.push_back(file.path.mid(prefix.size()));
    }
    return names;
}

QStringList rowLines(const store::Relocation& relocation) {
    QStringList lines;
    for (const auto& [id, path] : relocation.rowsLeft)
        lines << QString("document %1: %2").arg(id).arg(path);
    return lines;
}

} // namespace

int runRestore(const QStringList& arguments, std::ostream& out) {
    const RestoreOptions options = parseOptions(arguments);
    const QString databaseFolder = store::databaseFolderPath();
    const QString databaseFile = databaseFolder + "main.abs";
    const QString storeFolder = QDir::cleanPath(store::storeFolderPath());
    // Rerunning an interrupted restore finishes it: the database that restore may have put in
    // place already is replaced, and kept beside, as with --replace.
    const auto replacing = [&] {
        return options.replace || exists(store::restoreMarkerFile(databaseFile));
    };
    refuseWhatIsInTheWay(databaseFile, replacing());
    const CheckedBackup backup = checkBackup(options.backupFolder);
    refuseLinksOnTheWay(storeFolder, copyNames(backup));

    MadeFolders folders;
    folders.make(databaseFolder, "database folder");
    const StoreLock lock(databaseFile);
    const bool replace = replacing();
    refuseWhatIsInTheWay(databaseFile, replace);
    removeRestoreLeftovers(restoreLeftovers(databaseFile));
    StagedDatabase staged(openCheckedFile(backup, 0).get(), backup.path + "/" + backupDatabaseName,
                          databaseFile);
    staged.check();

    // From here until the database is in place, the store is incomplete: a kill leaves the
    // marker, and Quillox refuses to start until a restore finishes.
    RestoreMarker marker(databaseFile);
    marker.write(backup.path);
    CopyPlacement placement;
    const PlacedCopies placed = placement.place(backup, storeFolder, folders);
    store::Relocation relocation;
    {
        db::TDbDatabase database;
        database.SetDatabaseFileName(staged.path());
        relocation = store::relocateCopies(database, QFile::decodeName(backup.manifest.storeFolder),
                                           storeFolder, placed.copies);
    }
    staged.flush();
    const QString kept = staged.putInPlace(databaseFile, replace);
    placement.keep();
    folders.keep();
    staged.flushName(databaseFile);
    marker.remove();

    printListing(out, "Copies restored under a new name, since another file had theirs",
                 placed.renamed, "Their documents name the new names.");
    printListing(out, "Documents whose copy is not in the backup, their path left as it was",
                 rowLines(relocation));
    out << QString("Restored %1 documents into %2, and %3 stored copies into %4 (%5 copied, %6 "
                   "there already).")
               .arg(relocation.rowsMoved + static_cast<qsizetype>(relocation.rowsLeft.size()))
               .arg(databaseFile)
               .arg(placed.copies.size())
               .arg(storeFolder)
               .arg(placed.copied)
               .arg(placed.reused)
               .toStdString()
        << '\n';
    if (!kept.isEmpty())
        out << QString("The database it replaced is kept as %1.").arg(kept).toStdString() << '\n';
    return Clean;
}

} // namespace quillox::care
