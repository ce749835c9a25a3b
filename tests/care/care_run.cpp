#include "care_run.h"

#include "filed_documents.h"
#include "platform/sha256.h"
#include "store/add_folder.h"
#include "store/file_document.h"
#include "store/table_names.h"
#include "store/tdm_data.h"
#include "temp_home.h"
#include "test_files.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace quillox::testing {

CareRun runQuilloxDb(const QStringList& arguments) {
    QProcess process;
    process.start(QUILLOX_DB_PATH, arguments);
    EXPECT_TRUE(process.waitForStarted(30000)) << "cannot start " << QUILLOX_DB_PATH;
    EXPECT_TRUE(process.waitForFinished(120000)) << "quillox-db did not finish";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "quillox-db crashed";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void makeStore(const TempHome& home, int first, int last) {
    store::TdmData data;
    data.DataModuleCreate();
    store::addFolder(data.tFolders, filedFolder, store::topLevelMarker, 0);
    for (int number = first; number <= last; ++number) {
        const QString source = home.path() + QString("/incoming/source-%1.pdf").arg(number);
        writeFile(source, documentBytes(number));
        ASSERT_TRUE(store::fileDocument(data,
                                        {source, QString("Document %1").arg(number), "",
                                         QString("LOOPFILED NUMBER%1").arg(number),
                                         QDateTime::currentDateTime(), filedFolder},
                                        {}));
    }
}

QStringList listingOf(const QString& folder) {
    QStringList lines;
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        const QString path = QDir(folder).relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            lines << path + " -> " + entry.symLinkTarget();
        else if (entry.isDir())
            lines << path + "/";
        else
            lines << path + QString(" %1 ").arg(entry.size()) +
                         QString::fromStdString(platform::digestFile(entry.filePath()).sha256);
    }
    lines.sort();
    return lines;
}

care::BackupManifest manifestOf(const QString& backupFolder) {
    return care::parseManifest(contentsOf(backupFolder + "/" + care::manifestName));
}

void writeManifest(const QString& backupFolder, const care::BackupManifest& manifest) {
    QFile::remove(backupFolder + "/" + care::manifestName);
    writeFile(backupFolder + "/" + care::manifestName, care::manifestText(manifest));
}

care::BackupManifest withFile(const care::BackupManifest& manifest, std::size_t index,
                              const care::ManifestFile& file) {
    care::BackupManifest changed{manifest.storeFolder, manifest.databaseFile, manifest.taken, {}};
    for (std::size_t i = 0; i < manifest.files.size(); ++i)
        changed.files.add(i == index ? file : manifest.files[i]);
    return changed;
}

} // namespace quillox::testing
