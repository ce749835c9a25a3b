#include "care/store_restore.h"

#include "care/backup_check.h"
#include "care/care_command.h"
#include "care/copy_placement.h"
#include "care/listing.h"
#include "care/made_folders.h"
#include "care/staged_database.h"
#include "care/store_lock.h"
#include "db/tdb_database.h"
#include "platform/user_error.h"
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

// A journal would be played back into whatever database has the name, the restored one too.
void refuseWhatIsInTheWay(const QString& databaseFile, bool replace) {
    for (const char* suffix : {"-journal", "-wal"}) {
        if (exists(databaseFile + suffix)) {
            throw platform::UserError(
                QString("A change to the store was cut short: \"%1\" lies beside its database. "
                        "Start Quillox and quit it, so that the change is taken back, then "
                        "restore again. When Quillox cannot open the store, move the database "
                        "and this file aside together first.")
                    .arg(databaseFile + suffix));
        }
    }
    if (exists(databaseFile) && !replace) {
        throw platform::UserError(
            QString("A store is there already: \"%1\". Restore with --replace to put the backup "
                    "in its place; its database is then kept beside it.")
                .arg(databaseFile));
    }
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
    refuseWhatIsInTheWay(databaseFile, options.replace);
    const CheckedBackup backup = checkBackup(options.backupFolder);

    MadeFolders folders;
    folders.make(databaseFolder, "database folder");
    const StoreLock lock(databaseFile);
    refuseWhatIsInTheWay(databaseFile, options.replace);
    StagedDatabase staged(openCheckedFile(backup, 0).get(), backup.path + "/" + backupDatabaseName,
                          databaseFolder);
    staged.check();

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
    const QString kept = staged.putInPlace(databaseFile, options.replace);
    placement.keep();
    folders.keep();
    staged.flushName(databaseFile);

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
