#include "care/restore_marker.h"

#include "care/restore_leftovers.h"
#include "platform/descriptor.h"
#include "platform/user_error.h"
#include "store/interrupted_restore.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

[[noreturn]] void fail(const QString& path, int error) {
    throw platform::UserError(QString("The file \"%1\" could not be written to the disk: %2.")
                                  .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

void flushFolderOf(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const platform::Descriptor descriptor(
        ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor.valid() || ::fsync(descriptor.get()) != 0)
        fail(folder, errno);
}

} // namespace

RestoreMarker::RestoreMarker(const QString& databaseFile)
    : databaseFile_(databaseFile), path_(store::restoreMarkerFile(databaseFile)) {
    struct stat status {};
    wasThere_ = ::lstat(native(path_).constData(), &status) == 0;
}

RestoreMarker::~RestoreMarker() {
    // The restore failed and took back what it did; only the marker it wrote is left to take
    // back, and the error that ended the restore is the one told.
    if (written_ && !wasThere_)
        ::unlink(native(path_).constData());
}

void RestoreMarker::write(const QString& backupFolder) {
    // Written whole under a name of the restore's leftovers, then renamed: the marker is
    // never there in part.
    const QString unfinished = stagedDatabaseFile(databaseFile_) + "-marker";
    ::unlink(native(unfinished).constData());
    {
        const platform::Descriptor file(
            ::open(native(unfinished).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        const QByteArray text = backupFolder.toUtf8() + "\n";
        if (!file.valid() || ::write(file.get(), text.constData(), text.size()) != text.size() ||
            ::fsync(file.get()) != 0)
            fail(unfinished, errno);
    }
    written_ = true;
    if (::rename(native(unfinished).constData(), native(path_).constData()) != 0)
        fail(path_, errno);
    flushFolderOf(path_);
}

void RestoreMarker::remove() {
    if (::unlink(native(path_).constData()) != 0 && errno != ENOENT)
        fail(path_, errno);
    written_ = false;
    wasThere_ = false;
    flushFolderOf(path_);
}

} // namespace quillox::care
