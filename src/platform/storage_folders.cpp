#include "platform/storage_folders.h"

#include "platform/user_error.h"

#include <QDir>
#include <QStandardPaths>

namespace quillox::platform {
namespace {

QString location(QStandardPaths::StandardLocation which, const QString& what) {
    const QString path = QStandardPaths::writableLocation(which);
    if (path.isEmpty())
        throw UserError("The system names no " + what + " folder.");
    return QDir::cleanPath(path);
}

} // namespace

QString applicationDataFolder() {
    return location(QStandardPaths::GenericDataLocation, "application-data");
}

QString documentsFolder() {
    return location(QStandardPaths::DocumentsLocation, "documents");
}

bool makeFolder(const QString& path) {
    return QDir().mkpath(path);
}

} // namespace quillox::platform
