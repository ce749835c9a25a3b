#include "care/store_check.h"

#include "care/care_command.h"
#include "care/check_report.h"
#include "care/command_paths.h"
#include "care/copy_findings.h"
#include "care/document_rows.h"
#include "care/folder_faults.h"
#include "care/restore_leftovers.h"
#include "care/schema_findings.h"
#include "care/store_files.h"
#include "care/store_lock.h"
#include "db/integrity_check.h"
#include "db/journal_left.h"
#include "db/sqlite_connection.h"
#include "db/sqlite_statement.h"
#include "db/tdb_database.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"
#include "store/misc_ops.h"
#include "store/table_names.h"

#include <QDir>
#include <QFileInfo>
#include <future>
#include <memory>
#include <optional>

namespace quillox::care {
namespace {

const QString usage = "usage: quillox-db check FILE [--full] [--repair] [--store DIR]";

struct CheckOptions {
    QString databaseFile;
    QString storeFolder; // without a final "/"
    bool repair = false;
    bool full = false; // read every stored copy
};

CheckOptions parseOptions(const QStringList& arguments) {
    CheckOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--repair") {
            options.repair = true;
        } else if (argument == "--full") {
            options.full = true;
        } else if (argument == "--store" && i + 1 < arguments.size()) {
            options.storeFolder = arguments[++i];
        } else if (!argument.startsWith("--") && options.databaseFile.isEmpty()) {
            options.databaseFile = argument;
        } else {
            throw platform::UserError("\"" + argument + "\" is not understood. " + usage);
        }
    }
    if (options.databaseFile.isEmpty())
        throw platform::UserError("No database file is named. " + usage);
    options.storeFolder = storeFolderFor(options.storeFolder);
    requireDatabaseFile(options.databaseFile);
    return options;
}

// A file that SQLite does not know as its own is no damaged store but another file; an empty
// one is left for the engine to refuse.
void requireSqliteFile(const QString& databaseFile) {
    QFile file(databaseFile);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::UserError("The database file \"" + databaseFile +
                                  "\" cannot be read: " + file.errorString() + ".");
    const QByteArray start = file.read(16);
    if (!start.isEmpty() && start != QByteArray("SQLite format 3", 16))
        throw platform::UserError("\"" + databaseFile + "\" is not a Quillox database.");
}

std::vector<FolderRow> readFolders(db::SqliteConnection& connection) {
    db::SqliteStatement statement(connection, "SELECT Name, Parent FROM Folders");
    db::ScopedReset reset(statement);
    std::vector<FolderRow> rows;
    while (statement.step())
        rows.push_back({QString::fromStdString(statement.columnText(0)),
                        QString::fromStdString(statement.columnText(1))});
    return rows;
}

void reportFolderFaults(const FolderFaults& faults, CheckReport& report) {
    auto& missing = report.section(
        "Folders whose parent does not exist",
        "They cannot be reached from the top level. Make a folder of the parent's name, or "
        "drag each folder onto another in the new folder window's tree.");
    for (const auto& [name, parent] : faults.missingParents)
        missing.lines << QString("\"%1\" under \"%2\"").arg(name, parent);
    auto& cycles = report.section(
        "Folders that are their own ancestors",
        "They cannot be reached from the top level. Drag one folder of each circle onto a "
        "folder that can be reached, in the new folder window's tree.");
    for (const QStringList& cycle : faults.cycles)
        cycles.lines << "\"" + cycle.join("\" under \"") + "\" under \"" + cycle.front() + "\"";
    auto& shared = report.section(
        "Names that more than one folder carries",
        "Such folders share their documents and subfolders. Rename all but one with quillox-db "
        "and move their documents back, or keep them as one.");
    for (const QString& name : faults.sharedNames)
        shared.lines << "\"" + name + "\"";
}

void reportDamage(const QString& finding, CheckReport& report) {
    report.section("The database file is damaged",
                   "Restore the store from a backup (quillox-db restore). The rest of the store "
                   "was not checked.")
            .lines
        << finding;
}

// The files of interrupted filings, removed when told to repair; the lock keeps Quillox from
// filing meanwhile. The report names only what was removed: whatever stays is a finding still.
void reportUnfinishedCopies(const CopyFindings& copies, const CheckOptions& options,
                            CheckReport& report) {
    QStringList left = copies.unfinishedCopies;
    if (options.repair && !left.isEmpty()) {
        QStringList removed;
        for (const QByteArray& name : platform::removeLeftoverCopies(options.storeFolder))
            removed << options.storeFolder + "/" + QFile::decodeName(name);
        removed.sort();
        for (const QString& path : removed)
            left.removeOne(path);
        report.section("Removed the temporary files of interrupted filings", {}, false).lines =
            removed;
    }
    report
        .section("Temporary files of interrupted filings",
                 "Quit Quillox, then run quillox-db check again with --repair to remove them.")
        .lines = left;
    report
        .section("Entries named like temporary files of interrupted filings that are not "
                 "ordinary files",
                 "No filing makes them, and --repair leaves them alone. Look at each, and remove "
                 "it or move it out of the store folder yourself.")
        .lines = copies.namedLikeUnfinishedCopies;
}

// The staged database and files of a restore that was killed, removed when told to repair.
void reportRestoreLeftovers(const CheckOptions& options, CheckReport& report) {
    const QStringList leftovers = restoreLeftovers(options.databaseFile);
    if (leftovers.isEmpty())
        return;
    if (options.repair) {
        removeRestoreLeftovers(leftovers);
        report.section("Removed the files of interrupted restores", {}, false).lines = leftovers;
        return;
    }
    report
        .section("Files of interrupted restores",
                 "Quit Quillox, then run quillox-db check again with --repair to remove them.")
        .lines = leftovers;
}

// What a check reads of the database: all of it is read while the store folder is listed.
struct DatabaseSide {
    QString damage; // SQLite's integrity check's first finding; nothing else is read then
    db::TDbDatabase database;
    SchemaUse use;
    std::vector<FolderRow> folders;
    std::vector<DocumentRow> documents;
    db::ContentFingerprints fingerprints;
};

// Checks the file, then reads it, reporting its tables and folders.
void readDatabase(const QString& file, DatabaseSide& side, CheckReport& report) {
    side.damage = db::integrityFindings(file);
    if (!side.damage.isEmpty())
        return;
    side.database.SetDatabaseFileName(file);
    side.database.Open();
    db::SqliteConnection& connection = side.database.Connection();
    side.use = reportSchema(connection, report);
    if (side.use.folders) {
        side.folders = readFolders(connection);
        reportFolderFaults(findFolderFaults(side.folders, store::topLevelMarker), report);
    }
    if (side.use.documents) {
        side.documents = readDocumentRows(connection);
        side.fingerprints = db::readFingerprints(connection);
    }
}

} // namespace

int runCheck(const QStringList& arguments, std::ostream& out) {
    const CheckOptions options = parseOptions(arguments);
    requireSqliteFile(options.databaseFile);
    std::optional<StoreLock> lock;
    if (options.repair)
        lock.emplace(options.databaseFile);

    // The database is checked and read on one processor while the store folder is listed on
    // the other; the report is written to by the reading alone until it is done.
    CheckReport report;
    DatabaseSide side;
    auto reading = std::async(std::launch::async, readDatabase, std::cref(options.databaseFile),
                              std::ref(side), std::ref(report));
    StoreFiles files;
    try {
        files = filesBelow(options.storeFolder);
    } catch (...) {
        reading.wait();
        throw;
    }
    reading.get();
    if (!side.damage.isEmpty()) {
        reportDamage(side.damage, report);
        report.print(out, "the database file");
        return Findings;
    }
    CopyFindings copies;
    if (side.use.documents) {
        copies = reportCopies(side.database.Connection(), options.storeFolder, side.documents,
                              side.fingerprints, files, side.folders, side.use.folders,
                              options.full, report);
    }
    reportUnfinishedCopies(copies, options, report);
    reportRestoreLeftovers(options, report);
    if (options.repair && db::removeUnplayedJournal(side.database.Connection()))
        report.section("Removed a journal that SQLite would not play back", {}, false).lines
            << options.databaseFile + "-journal";
    report.print(out, QString("%1 documents, %2 folders and %3 files in %4")
                          .arg(side.documents.size())
                          .arg(side.folders.size())
                          .arg(files.size())
                          .arg(options.storeFolder));
    return report.findingCount() == 0 ? Clean : Findings;
}

} // namespace quillox::care
