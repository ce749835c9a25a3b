#include "care/store_backup.h"

#include "care/backup_copy.h"
#include "care/backup_folder.h"
#include "care/backup_manifest.h"
#include "care/backup_selection.h"
#include "care/care_command.h"
#include "care/command_paths.h"
#include "care/listing.h"
#include "care/parallel_each.h"
#include "care/store_files.h"
#include "db/db_error.h"
#include "db/online_backup.h"
#include "db/tdb_database.h"
#include "platform/descriptor.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"
#include "store/misc_ops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

const QString usage = "usage: quillox-db backup FILE DEST [--store DIR]";

struct BackupOptions {
    QString databaseFile; // absolute
    QString destination;
    QString storeFolder; // absolute, without a final "/"
};

BackupOptions parseOptions(const QStringList& arguments) {
    BackupOptions options;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--store" && i + 1 < arguments.size())
            options.storeFolder = arguments[++i];
        else if (!argument.startsWith("--") && positional.size() < 2)
            positional << argument;
        else
            throw platform::UserError("\"" + argument + "\" is not understood. " + usage);
    }
    if (positional.size() < 2)
        throw platform::UserError("Name the database file and the backup folder. " + usage);
    options.databaseFile = QFileInfo(positional[0]).absoluteFilePath();
    options.destination = positional[1];
    options.storeFolder = storeFolderFor(options.storeFolder);
    requireDatabaseFile(options.databaseFile);
    return options;
}

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// What the backup takes, read from the copy of the database; a copy that the engine refuses
// to open as a Quillox database is told of by the file it was made from.
BackupSelection selectFromCopy(const QString& databaseCopy, const QString& databaseFile,
                               const QString& storeFolder) {
    db::TDbDatabase database;
    database.SetDatabaseFileName(databaseCopy);
    try {
        database.Open();
    } catch (const db::DbError& error) {
        const auto number = static_cast<db::NativeError>(error.nativeError());
        if (number != db::NativeError::ForeignDatabase && number != db::NativeError::EmptyFile &&
            number != db::NativeError::UnmarkedDatabase)
            throw;
        throw platform::UserError(
            QString("\"%1\" holds no Quillox database, so there is nothing to back up.")
                .arg(databaseFile));
    }
    return selectCopies(database.Connection(), storeFolder);
}

// The store folder, open; an invalid descriptor when it does not exist.
platform::Descriptor openStoreFolder(const QString& path) {
    platform::Descriptor folder(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid() && errno != ENOENT)
        throw platform::UserError(
            QString("The store folder \"%1\" could not be read: %2.").arg(path, reason(errno)));
    return folder;
}

platform::Descriptor makeDocumentsFolder(const BackupFolder& backup) {
    const QString path = backup.filePath(backupDocumentsFolder);
    if (::mkdirat(backup.descriptor(), backupDocumentsFolder, 0777) != 0)
        throw platform::UserError(
            QString("The folder \"%1\" could not be made: %2.").arg(path, reason(errno)));
    platform::Descriptor folder(
        ::openat(backup.descriptor(), backupDocumentsFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        throw platform::UserError(
            QString("The folder \"%1\" could not be opened: %2.").arg(path, reason(errno)));
    return folder;
}

// Copies and hashes the selected copies, and hashes the database copy, on every core.
std::vector<TakenCopy> takeCopies(const std::vector<CopyToTake>& copies, const CopyFolders& folders,
                                  const QString& databaseCopy, std::string& databaseSha256) {
    std::vector<TakenCopy> taken(copies.size());
    forEachInParallel(copies.size() + 1, [&](std::size_t i) {
        if (i == copies.size())
            databaseSha256 = platform::digestFile(databaseCopy).sha256;
        else if (folders.store < 0)
            taken[i].outcome = TakenCopy::Outcome::Gone;
        else
            taken[i] = takeCopy(folders, copies[i]);
    });
    return taken;
}

// One flush of the file system for every file and folder the backup wrote, quicker than one
// for each file; its error tells of a write to any of them that failed.
void flushToDisk(const BackupFolder& backup) {
    if (::syncfs(backup.descriptor()) != 0 || ::fsync(backup.descriptor()) != 0)
        throw platform::UserError(QString("The backup \"%1\" could not be written to the disk: %2.")
                                      .arg(backup.path(), reason(errno)));
}

// Written under another name, flushed, then renamed: a backup with a manifest is whole.
void writeManifest(const BackupFolder& backup, const QByteArray& text) {
    const auto fail = [&](int error) {
        throw platform::UserError(QString("The manifest of \"%1\" could not be written: %2.")
                                      .arg(backup.path(), reason(error)));
    };
    platform::Descriptor file(::openat(backup.descriptor(), unfinishedManifestName,
                                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid())
        fail(errno);
    for (qsizetype written = 0; written < text.size();) {
        const ssize_t put = ::write(file.get(), text.constData() + written,
                                    static_cast<std::size_t>(text.size() - written));
        if (put < 0 && errno != EINTR)
            fail(errno);
        written += put < 0 ? 0 : put;
    }
    if (::fsync(file.get()) != 0)
        fail(errno);
    if (const int error = file.close())
        fail(error);
    if (::renameat(backup.descriptor(), unfinishedManifestName, backup.descriptor(),
                   manifestName) != 0 ||
        ::fsync(backup.descriptor()) != 0)
        fail(errno);
}

bool unfinishedCopyPath(const std::string& name) {
    const QList<QByteArray> parts = QByteArray::fromStdString(name).split('/');
    return std::any_of(parts.begin(), parts.end(), platform::isUnfinishedCopyName);
}

// The files of the store folder that the backup did not take, but for unfinished copies.
QStringList unknownFiles(const QString& storeFolder, const QSet<QByteArray>& taken) {
    QStringList paths;
    for (const auto& [name, file] : filesBelow(storeFolder)) {
        const QByteArray key = QByteArray::fromStdString(name);
        if (!taken.contains(key) && !unfinishedCopyPath(name))
            paths << storeFolder + "/" + QFile::decodeName(key);
    }
    return paths;
}

QString sizeText(std::int64_t bytes) {
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

} // namespace

int runBackup(const QStringList& arguments, std::ostream& out) {
    const BackupOptions options = parseOptions(arguments);
    BackupFolder backup(options.destination, options.storeFolder);
    const QString databaseCopy = backup.filePath(backupDatabaseName);
    // The database first: a filing names its copy before it posts the row, so every row of
    // this copy has its file by now.
    db::backUpDatabase(options.databaseFile, databaseCopy);
    const BackupSelection selection =
        selectFromCopy(databaseCopy, options.databaseFile, options.storeFolder);

    const platform::Descriptor store = openStoreFolder(options.storeFolder);
    const platform::Descriptor documents = makeDocumentsFolder(backup);
    const CopyFolders folders{store.valid() ? store.get() : -1, options.storeFolder,
                              documents.get(), backup.filePath(backupDocumentsFolder)};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::string databaseSha256;
    const std::vector<TakenCopy> taken =
        takeCopies(selection.copies, folders, databaseCopy, databaseSha256);
    BackupManifest manifest{QFile::encodeName(options.storeFolder),
                            QFile::encodeName(options.databaseFile),
                            now,
                            {{backupDatabaseName, QFileInfo(databaseCopy).size(),
                              platform::sha256FromText(databaseSha256).value()}}};

    QStringList leftOut;
    for (const QString& row : selection.outside)
        leftOut << row + " (outside the store folder)";
    QStringList changed;
    QSet<QByteArray> takenNames;
    std::int64_t bytes = manifest.files[0].size;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        const CopyToTake& copy = selection.copies[i];
        takenNames.insert(copy.name);
        switch (taken[i].outcome) {
        case TakenCopy::Outcome::Taken:
            manifest.files.add({QByteArray(backupDocumentsFolder) + "/" + copy.name, taken[i].size,
                                platform::sha256FromText(taken[i].sha256).value()});
            bytes += taken[i].size;
            if (taken[i].changedSinceFiling && copy.rows.isEmpty())
                changed << "kept copy " + options.storeFolder + "/" + QFile::decodeName(copy.name);
            if (taken[i].changedSinceFiling)
                changed << copy.rows;
            break;
        case TakenCopy::Outcome::Gone:
            for (const QString& row : copy.rows)
                leftOut << row + " (missing)";
            break;
        case TakenCopy::Outcome::Refused:
            if (copy.rows.isEmpty())
                leftOut << "kept copy " + taken[i].problem;
            for (const QString& row : copy.rows)
                leftOut << row + " (" + taken[i].problem + ")";
            break;
        }
    }
    const QStringList unknown = unknownFiles(options.storeFolder, takenNames);
    flushToDisk(backup);
    writeManifest(backup, manifestText(manifest));
    backup.finish();

    printListing(out, "Documents whose stored copy is left out", leftOut,
                 "File them again, or restore their copies from an older backup. The backup "
                 "holds everything else.");
    printListing(out, "Documents whose stored copy changed since filing, backed up as it is now",
                 changed,
                 "Its bytes differ from those filed. If the change was not yours, restore the "
                 "copy from an older backup.");
    printListing(out, "Files in the store folder that the database does not know, left out",
                 unknown,
                 "A document filed while the backup was made goes into the next one; other "
                 "files are not Quillox's.");
    out << QString("Backed up %1 documents: the database and %2 stored copies (%3) into %4.")
               .arg(selection.documents)
               .arg(manifest.files.size() - 1)
               .arg(sizeText(bytes), backup.path())
               .toStdString()
        << '\n';
    return leftOut.isEmpty() && changed.isEmpty() ? Clean : Findings;
}

} // namespace quillox::care
