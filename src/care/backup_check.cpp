#include "care/backup_check.h"

#include "care/parallel_each.h"
#include "platform/open_below.h"
#include "platform/sha256.h"
#include "platform/sha256_bytes.h"
#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace quillox::care {
namespace {

// Far beyond the manifest of a million stored copies.
constexpr std::int64_t manifestSizeAtMost = std::int64_t(1) << 30;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void failFile(const CheckedBackup& backup, const QByteArray& path,
                           const QString& what) {
    throw platform::UserError(QString("The backup \"%1\" cannot be restored: \"%2\" %3.")
                                  .arg(backup.path, QFile::decodeName(path), what));
}

[[noreturn]] void failSize(const CheckedBackup& backup, const QByteArray& path, std::int64_t size,
                           std::int64_t expected) {
    failFile(backup, path,
             QString("has %1 bytes where the manifest says %2").arg(size).arg(expected));
}

std::int64_t modifiedNs(const struct stat& status) {
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
}

// The file at the path below the backup folder, open for reading, and what it is.
platform::Descriptor openFile(const CheckedBackup& backup, const QByteArray& path,
                              struct stat& status) {
    platform::Descriptor file =
        platform::openBelow(backup.folder.get(), path, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (!file.valid() && errno == ENOENT)
        failFile(backup, path, "is missing");
    if (!file.valid() && errno == ELOOP)
        failFile(backup, path, "is reached through a symbolic link");
    if (!file.valid())
        failFile(backup, path, "cannot be read: " + reason(errno));
    if (::fstat(file.get(), &status) != 0)
        failFile(backup, path, "cannot be read: " + reason(errno));
    if (!S_ISREG(status.st_mode))
        failFile(backup, path, "is not an ordinary file");
    return file;
}

BackupManifest readManifest(const CheckedBackup& backup) {
    struct stat status {};
    const platform::Descriptor file = openFile(backup, manifestName, status);
    if (status.st_size > manifestSizeAtMost)
        failFile(backup, manifestName, "is too large for a manifest");
    QFile reader;
    if (!reader.open(file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        failFile(backup, manifestName, "cannot be read: " + reader.errorString());
    // A file that is missing, or not of its size, ends the reading at its record, so that no
    // manifest of made-up records fills the memory before the files are read.
    return parseManifest(reader, [&](const ManifestFile& named) {
        struct stat found {};
        openFile(backup, named.path, found);
        if (found.st_size != named.size)
            failSize(backup, named.path, found.st_size, named.size);
    });
}

// A backup makes its documents folder itself: a link in its place leads elsewhere, to files that
// the backup never vouched for.
void refuseLinkedDocumentsFolder(const CheckedBackup& backup) {
    struct stat status {};
    if (::fstatat(backup.folder.get(), backupDocumentsFolder, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(status.st_mode))
        failFile(backup, backupDocumentsFolder,
                 "is a symbolic link, which a backup never holds; restore from a backup whose "
                 "\"documents\" is a folder");
}

void checkFile(CheckedBackup& backup, std::size_t index) {
    const ManifestFile expected = backup.manifest.files[index];
    struct stat status {};
    const platform::Descriptor file = openFile(backup, expected.path, status);
    const QString shown = backup.path + "/" + QFile::decodeName(expected.path);
    const platform::FileDigest digest = platform::digestOpenFile(file.get(), shown);
    if (digest.size != expected.size)
        failSize(backup, expected.path, digest.size, expected.size);
    if (digest.sha256 != platform::sha256Text(expected.sha256))
        failFile(backup, expected.path, "differs from what the manifest says it holds");
    backup.modifiedNs[index] = digest.modifiedNs;
}

} // namespace

CheckedBackup checkBackup(const QString& folder) {
    CheckedBackup backup;
    backup.path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    backup.folder = platform::Descriptor(
        ::open(QFile::encodeName(backup.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!backup.folder.valid())
        throw platform::UserError(QString("The backup folder \"%1\" cannot be read: %2.")
                                      .arg(backup.path, reason(errno)));
    refuseLinkedDocumentsFolder(backup);
    backup.manifest = readManifest(backup);
    backup.modifiedNs.resize(backup.manifest.files.size());
    forEachInParallel(backup.manifest.files.size(),
                      [&](std::size_t index) { checkFile(backup, index); });
    return backup;
}

platform::Descriptor openCheckedFile(const CheckedBackup& backup, std::size_t index) {
    const ManifestFile expected = backup.manifest.files[index];
    struct stat status {};
    platform::Descriptor file = openFile(backup, expected.path, status);
    if (status.st_size != expected.size || modifiedNs(status) != backup.modifiedNs[index])
        failFile(backup, expected.path, "changed since it was checked");
    return file;
}

} // namespace quillox::care
