#include "care/restore_leftovers.h"

#include "platform/user_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace quillox::care {

QString stagedDatabaseFile(const QString& databaseFile) {
    const QFileInfo file(databaseFile);
    return file.absolutePath() + "/." + file.fileName() + ".restoring";
}

QStringList restoreLeftovers(const QString& databaseFile) {
    const QFileInfo staged(stagedDatabaseFile(databaseFile));
    // Earlier versions gave the staged database a random suffix: ".main.abs.restoring-1f2e".
    QStringList paths;
    for (const QString& name :
         QDir(staged.absolutePath())
             .entryList({staged.fileName() + "*"}, QDir::Files | QDir::System | QDir::Hidden))
        paths << staged.absolutePath() + "/" + name;
    return paths;
}

void removeRestoreLeftovers(const QStringList& leftovers) {
    for (const QString& path : leftovers) {
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
            throw platform::UserError(QString("The file \"%1\" could not be removed: %2.")
                                          .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
}

} // namespace quillox::care
