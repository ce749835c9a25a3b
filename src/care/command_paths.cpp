#include "care/command_paths.h"

#include "platform/user_error.h"
#include "store/misc_ops.h"

#include <QDir>
#include <QFileInfo>

namespace quillox::care {

QString storeFolderFor(const QString& given) {
    const QString folder = given.isEmpty() ? store::storeFolderPath() : given;
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

void requireDatabaseFile(const QString& databaseFile) {
    if (QFileInfo(databaseFile).isDir())
        throw platform::UserError("\"" + databaseFile +
                                  "\" is a folder, not a database file. Name the database file "
                                  "itself: main.abs in Quillox's data folder.");
    if (!QFileInfo(databaseFile).isFile())
        throw platform::UserError("The database file \"" + databaseFile + "\" does not exist.");
}

} // namespace quillox::care
