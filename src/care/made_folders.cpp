#include "care/made_folders.h"

#include "platform/descriptor.h"
#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

// A folder made reaches the disk with the name in the folder above it, which is flushed
// therefore: otherwise a power cut could keep what was written into the new folder and lose
// the folder.
void flushNames(const QString& folder, const QString& role) {
    const platform::Descriptor descriptor(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor.valid() || ::fsync(descriptor.get()) != 0)
        throw platform::UserError(
            QString("The %1 \"%2\" could not be written to the disk: %3.")
                .arg(role, folder, QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

MadeFolders::~MadeFolders() {
    if (kept_)
        return;
    for (auto folder = made_.crbegin(); folder != made_.crend(); ++folder)
        QDir().rmdir(*folder);
}

void MadeFolders::make(const QString& path, const QString& role) {
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    QString part;
    for (const QString& name : folder.split('/', Qt::SkipEmptyParts)) {
        const QString above = part.isEmpty() ? "/" : part;
        part += "/" + name;
        const QByteArray native = QFile::encodeName(part);
        if (::mkdir(native.constData(), 0777) == 0) {
            made_ << part;
            flushNames(above, role);
            continue;
        }
        struct stat status {};
        const int error = errno;
        if (error != EEXIST || ::stat(native.constData(), &status) != 0 ||
            !S_ISDIR(status.st_mode)) {
            throw platform::UserError(
                QString("The %1 \"%2\" could not be made: %3.")
                    .arg(role, part,
                         QString::fromLocal8Bit(std::strerror(error == EEXIST ? ENOTDIR : error))));
        }
    }
}

} // namespace quillox::care
