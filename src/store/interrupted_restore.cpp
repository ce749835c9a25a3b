#include "store/interrupted_restore.h"

#include "platform/user_error.h"

#include <QFile>
#include <sys/stat.h>

namespace quillox::store {
namespace {

// Far beyond any path; the marker is read, not trusted.
constexpr qint64 markerBytesAtMost = 16384;

} // namespace

QString restoreMarkerFile(const QString& databaseFile) {
    return databaseFile + ".restoring";
}

void refuseInterruptedRestore(const QString& databaseFile) {
    const QString marker = restoreMarkerFile(databaseFile);
    struct stat status {};
    if (::lstat(QFile::encodeName(marker).constData(), &status) != 0)
        return;
    QFile file(marker);
    const QString backup = file.open(QIODevice::ReadOnly)
                               ? QString::fromUtf8(file.read(markerBytesAtMost)).trimmed()
                               : QString();
    const QString command =
        "quillox-db restore \"" + (backup.isEmpty() ? QString("BACKUP") : backup) + "\"";
    throw platform::UserError(
        QString("A restore of the store%1 was interrupted, so the store is incomplete. Run "
                "`%2` again to finish it; it then replaces what the interrupted restore put in "
                "place. \"%3\" marks the restore as unfinished")
            .arg(backup.isEmpty() ? QString() : " from \"" + backup + "\"", command, marker));
}

} // namespace quillox::store
