#include "care/copy_findings.h"

#include "care/check_report.h"
#include "db/content_fingerprints.h"
#include "db/sqlite_connection.h"
#include "platform/sha256.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <unordered_set>

namespace quillox::care {
namespace {

// The page a scan leaves in the store folder for the new document window to file.
const std::string latestScanName = "quillox-latest-scan.bmp";

struct Sections {
    explicit Sections(CheckReport& report)
        : missing(report.section("Documents whose stored copy is missing",
                                 "Restore the copies from a backup, or delete the documents in "
                                 "Quillox if they are gone for good.")),
          unreadable(report.section("Documents whose stored copy cannot be read",
                                    "Give yourself permission to read them, or put an ordinary "
                                    "file back in their place.")),
          outside(report.section("Documents whose stored copy is outside the store folder",
                                 "A backup leaves them out. File them again to bring a copy "
                                 "into the store.")),
          changed(report.section("Documents whose stored copy changed since filing",
                                 "If the change was not yours, restore the copy from a backup.")),
          homeless(report.section("Documents in a folder that does not exist",
                                  "The browse window cannot show them. Find them in the search "
                                  "window and move them to a folder.")),
          strays(report.section("Files without a row",
                                "No document names them. File them if they are yours, or move "
                                "them out of the store folder.")),
          kept(report.section("Kept copies of deleted documents",
                              "Deleting a document keeps its copy; remove it by hand if you no "
                              "longer need it.",
                              false)),
          unrecorded(report.section("Copies whose fingerprint could not be recorded",
                                    "The database can only be read.", false)) {}

    ReportSection& missing;
    ReportSection& unreadable;
    ReportSection& outside;
    ReportSection& changed;
    ReportSection& homeless;
    ReportSection& strays;
    ReportSection& kept;
    ReportSection& unrecorded;
};

QString label(const DocumentRow& row, const QString& what) {
    return QString("document %1: %2").arg(row.id).arg(what);
}

QString shownPath(const DocumentRow& row) {
    return QString::fromStdString(row.path);
}

// The path's name relative to the store folder (the prefix, ending with "/"), or nothing when it
// lies outside. Paths as filing writes them are taken as they are; any other is made plain
// first, so that "..", "." and doubled separators cannot lead out of the folder.
std::optional<std::string> nameInStore(const std::string& path, const std::string& prefix) {
    if (path.starts_with(prefix)) {
        const std::string rest = path.substr(prefix.size());
        if (!rest.empty() && !rest.starts_with('.') && rest.find("/.") == std::string::npos &&
            rest.find("//") == std::string::npos && !rest.ends_with('/'))
            return rest;
    }
    const std::string plain =
        QFile::encodeName(QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(path))))
            .toStdString();
    if (plain.size() > prefix.size() && plain.starts_with(prefix))
        return plain.substr(prefix.size());
    return std::nullopt;
}

void recordAll(db::SqliteConnection& connection,
               const std::vector<std::pair<std::string, db::ContentFingerprint>>& fingerprints) {
    connection.execute("BEGIN IMMEDIATE");
    try {
        for (const auto& [name, fingerprint] : fingerprints)
            db::recordFingerprint(connection, name, fingerprint);
        connection.execute("COMMIT");
    } catch (...) {
        connection.rollbackIfOpen();
        throw;
    }
}

} // namespace

CopyFindings reportCopies(db::SqliteConnection& connection, const QString& storeFolder,
                          const std::vector<DocumentRow>& documents,
                          const db::ContentFingerprints& fingerprints, StoreFiles& files,
                          const std::vector<FolderRow>& folders, bool foldersKnown,
                          bool readEveryCopy, CheckReport& report) {
    Sections sections(report);
    std::unordered_set<std::string> folderNames;
    for (const FolderRow& folder : folders)
        folderNames.insert(folder.name.toStdString());
    const QString prefix = storeFolder + "/";
    const std::string encodedPrefix = QFile::encodeName(prefix).toStdString();

    CopyFindings findings;
    std::unordered_set<std::int64_t> ids;
    std::vector<std::pair<std::string, db::ContentFingerprint>> toRecord;
    for (const DocumentRow& row : documents) {
        ids.insert(row.id);
        if (foldersKnown && !folderNames.contains(row.folder))
            sections.homeless.lines
                << label(row, "in \"" + QString::fromStdString(row.folder) + "\"");
        const std::optional<std::string> name = nameInStore(row.path, encodedPrefix);
        if (!name) {
            struct stat status {};
            const bool exists = ::lstat(row.path.c_str(), &status) == 0;
            sections.outside.lines
                << label(row, shownPath(row) + (exists ? "" : ", which is missing"));
            continue;
        }
        const auto file = files.find(*name);
        if (file == files.end()) {
            sections.missing.lines << label(row, shownPath(row));
            continue;
        }
        file->second.named = true;
        if (!S_ISREG(file->second.mode) || !readableByUs(file->second)) {
            sections.unreadable.lines << label(
                row, shownPath(row) + (S_ISREG(file->second.mode) ? ": no permission to read it"
                                                                  : ": not an ordinary file"));
            continue;
        }
        const auto known = fingerprints.find(*name);
        if (!readEveryCopy && known != fingerprints.end() &&
            known->second.size == file->second.size &&
            known->second.modifiedNs == file->second.modifiedNs)
            continue;
        platform::FileDigest digest;
        try {
            digest = platform::digestFile(
                QFile::decodeName(QByteArray::fromStdString(encodedPrefix + *name)));
        } catch (const platform::UserError& error) {
            sections.unreadable.lines << label(row, error.what());
            continue;
        }
        if (known != fingerprints.end() && known->second.sha256 != digest.sha256) {
            sections.changed.lines << label(row, shownPath(row));
            continue;
        }
        if (known != fingerprints.end() && known->second.size == digest.size &&
            known->second.modifiedNs == digest.modifiedNs)
            continue;
        toRecord.emplace_back(*name, db::ContentFingerprint{row.id, digest.size, digest.modifiedNs,
                                                            std::move(digest.sha256)});
    }

    for (const auto& [name, file] : files) {
        if (file.named || name == latestScanName)
            continue;
        const QString path = prefix + QFile::decodeName(QByteArray::fromStdString(name));
        if (name.find('/') == std::string::npos &&
            platform::isUnfinishedCopyName(QByteArray::fromStdString(name)))
            (S_ISREG(file.mode) ? findings.unfinishedCopies : findings.namedLikeUnfinishedCopies)
                << path;
        else if (const auto known = fingerprints.find(name);
                 known != fingerprints.end() && !ids.contains(known->second.documentId))
            sections.kept.lines << path;
        else
            sections.strays.lines << path;
    }

    // The folder's listing comes in no particular order.
    for (ReportSection* section : {&sections.strays, &sections.kept})
        section->lines.sort();
    findings.unfinishedCopies.sort();
    findings.namedLikeUnfinishedCopies.sort();
    if (toRecord.empty())
        return findings;
    if (connection.readOnly()) {
        for (const auto& [name, fingerprint] : toRecord)
            sections.unrecorded.lines
                << prefix + QFile::decodeName(QByteArray::fromStdString(name));
        return findings;
    }
    db::addFingerprintTable(connection);
    recordAll(connection, toRecord);
    return findings;
}

} // namespace quillox::care
