#include "care/staged_database.h"

#include "care/check_report.h"
#include "care/restore_leftovers.h"
#include "care/schema_findings.h"
#include "db/integrity_check.h"
#include "db/tdb_database.h"
#include "platform/contents_copy.h"
#include "platform/descriptor.h"
#include "platform/file_copy.h"
#include "platform/user_error.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

constexpr int keptNamesAtMost = 1000;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

void flushFolder(const QString& folder) {
    const platform::Descriptor descriptor(
        ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor.valid() || ::fsync(descriptor.get()) != 0)
        throw platform::UserError(QString("The folder \"%1\" could not be written to the disk: %2.")
                                      .arg(folder, reason(errno)));
}

// Gives the database file a second name beside it, so that it stays once the new database
// takes its name. A file system without hard links gets a copy instead.
QString keepAside(const QString& databaseFile) {
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    for (int counter = 1; counter <= keptNamesAtMost; ++counter) {
        const QString kept = databaseFile + ".replaced-" + stamp +
                             (counter == 1 ? QString() : QString("-%1").arg(counter));
        if (::link(native(databaseFile).constData(), native(kept).constData()) == 0)
            return kept;
        if (errno == EEXIST)
            continue;
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
            break;
        if (platform::copyFileSafely(databaseFile, kept, {}) == platform::CopyOutcome::Copied)
            return kept;
    }
    throw platform::UserError(QString("The database \"%1\" could not be kept aside: %2.")
                                  .arg(databaseFile, reason(errno)));
}

} // namespace

StagedDatabase::StagedDatabase(int source, const QString& sourcePath, const QString& databaseFile)
    : path_(stagedDatabaseFile(databaseFile)) {
    const QString folder = QFileInfo(databaseFile).absolutePath();
    // A constructor that throws has no destructor run: the file goes here.
    const auto fail = [&](int error) {
        QFile::remove(path_);
        throw platform::UserError(QString("The database \"%1\" could not be copied into \"%2\": "
                                          "%3.")
                                      .arg(sourcePath, folder, reason(error)));
    };
    // The leftovers of a killed restore are gone by now: the name is free, unless another file
    // took it meanwhile, which is then not overwritten.
    platform::Descriptor file(
        ::open(native(path_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (!file.valid()) {
        const int error = errno;
        throw platform::UserError(QString("The database \"%1\" could not be copied into \"%2\": "
                                          "%3.")
                                      .arg(sourcePath, path_, reason(error)));
    }
    const platform::ContentsCopy copied = platform::copyContents(source, file.get());
    if (copied.readError != 0 || copied.writeError != 0)
        fail(copied.readError != 0 ? copied.readError : copied.writeError);
    if (::fsync(file.get()) != 0)
        fail(errno);
    if (const int error = file.close())
        fail(error);
}

StagedDatabase::~StagedDatabase() {
    if (!placed_) {
        QFile::remove(path_);
        QFile::remove(path_ + "-journal");
    }
}

void StagedDatabase::check() const {
    const QString damage = db::integrityFindings(path_);
    if (!damage.isEmpty())
        throw platform::UserError("The database in the backup is damaged: " + damage);
    db::TDbDatabase database;
    database.SetDatabaseFileName(path_);
    database.Open();
    CheckReport report;
    if (!reportSchema(database.Connection(), report).documents)
        throw platform::UserError(
            "The database in the backup lacks the Documents table's ID, Path or Folder column.");
}

void StagedDatabase::flush() const {
    const platform::Descriptor file(::open(native(path_).constData(), O_RDONLY | O_CLOEXEC));
    if (!file.valid() || ::fsync(file.get()) != 0)
        throw platform::UserError(QString("The database \"%1\" could not be written to the disk: "
                                          "%2.")
                                      .arg(path_, reason(errno)));
}

QString StagedDatabase::putInPlace(const QString& databaseFile, bool replace) {
    const QString folder = QFileInfo(databaseFile).absolutePath();
    struct stat status {};
    const bool exists = ::lstat(native(databaseFile).constData(), &status) == 0;
    if (exists && !replace)
        throw platform::UserError(QString("A database is in the way: \"%1\".").arg(databaseFile));
    const QString kept = exists ? keepAside(databaseFile) : QString();
    try {
        if (!kept.isEmpty())
            flushFolder(folder);
        // Renamed over the old one in one step: the database file is always the one or the
        // other.
        const int renamed =
            exists ? ::rename(native(path_).constData(), native(databaseFile).constData())
                   : ::renameat2(AT_FDCWD, native(path_).constData(), AT_FDCWD,
                                 native(databaseFile).constData(), RENAME_NOREPLACE);
        if (renamed != 0)
            throw platform::UserError(QString("The database could not be put in place as \"%1\": "
                                              "%2.")
                                          .arg(databaseFile, reason(errno)));
    } catch (...) {
        if (!kept.isEmpty())
            QFile::remove(kept);
        throw;
    }
    placed_ = true;
    return kept;
}

void StagedDatabase::flushName(const QString& databaseFile) const {
    flushFolder(QFileInfo(databaseFile).absolutePath());
}

} // namespace quillox::care
