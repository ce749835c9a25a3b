#pragma once

#include "care/manifest_files.h"

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <functional>

namespace quillox::care {

// The names in a backup folder: the database copy, the folder of the stored copies, and the
// manifest, which is written last, so that a folder without it is an unfinished backup.
inline constexpr const char* backupDatabaseName = "main.abs";
inline constexpr const char* backupDocumentsFolder = "documents";
inline constexpr const char* manifestName = "manifest";
// The manifest while it is written, renamed to manifestName once on the disk.
inline constexpr const char* unfinishedManifestName = "manifest.unfinished";

// What a backup folder holds and where it came from. The manifest is UTF-8 text, one record a
// line ending in "\n" (read also when "\r\n"), the fields of a record separated by one tab:
//
//   Quillox backup manifest, version 1
//   store     TAB  the store folder the copies came from, absolute
//   database  TAB  the database file that was copied, absolute
//   taken     TAB  when, in UTC: 2025-01-31T10:11:12Z
//   file      TAB  main.abs TAB size TAB sha256                the database copy
//   file      TAB  documents/NAME TAB size TAB sha256          each stored copy, NAME being
//                                                              its path in the store folder
//   end       TAB  the number of file records
//
// Paths are escaped as escapeManifestText says. A stored copy's path stays below documents/
// ("."-, ".."- and empty parts are refused) and never names the hidden file of an unfinished
// copy.
struct BackupManifest {
    QByteArray storeFolder; // without a final "/"
    QByteArray databaseFile;
    QDateTime taken;
    ManifestFiles files; // the database copy first
};

// The manifest's text.
QByteArray manifestText(const BackupManifest& manifest);

// Reads a manifest's text, refusing anything that manifestText does not write: another
// header or version, a record out of place, missing or given twice, a path that leaves its
// folder, a file named twice, a size or digest that is not well formed, a file count that does
// not match, anything after the end, a line longer than a backup writes. Reads the device line
// by line, never holding more than one line of its text. Throws UserError naming the line and
// what is wrong. Each file record, once read, goes to vouchFor before the next line is read: a
// record it refuses by throwing ends the reading there.
BackupManifest parseManifest(QIODevice& device,
                             const std::function<void(const ManifestFile&)>& vouchFor = {});
BackupManifest parseManifest(const QByteArray& text);

} // namespace quillox::care
