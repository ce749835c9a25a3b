#include "store/leftover_copies.h"

#include "db/filing_intents.h"
#include "db/sqlite_statement.h"
#include "db/table_schema.h"
#include "platform/descriptor.h"
#include "platform/open_below.h"
#include "platform/unfinished_copy.h"
#include "platform/user_error.h"
#include "store/misc_ops.h"
#include "store/table_names.h"
#include "store/tdm_data.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::store {
namespace {

// A row whose path ends in the name, in whatever folder, keeps the file: better a copy that
// no row names than a document without its copy.
bool aRowNames(db::SqliteConnection& connection, const QString& name) {
    const std::string path = db::quoted(QString(pathColumn).toStdString());
    db::SqliteStatement statement(
        connection, "SELECT 1 FROM " + db::quoted(QString(documentsTable).toStdString()) +
                        " WHERE substr(" + path + ", -length(?1)) = ?1");
    db::ScopedReset reset(statement);
    statement.bind(1, db::Value(("/" + name).toStdString()));
    return statement.step();
}

// Removes the ordinary file of the name from the open store folder; anything else, a link
// included, stays.
void removeNamedCopy(int folder, const QString& folderPath, const QByteArray& name) {
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(status.st_mode))
        return;
    if (::unlinkat(folder, name.constData(), 0) != 0 && errno != ENOENT) {
        const int error = errno;
        throw platform::UserError(
            QString("The copy \"%1\" of an interrupted filing could not be removed: %2.")
                .arg(QDir(folderPath).filePath(QFile::decodeName(name)),
                     QString::fromLocal8Bit(std::strerror(error))));
    }
}

} // namespace

void removeLeftoverCopies() {
    // A store folder that is missing holds none, and is made by the first filing, not here.
    platform::removeLeftoverCopies(storeFolderPath());
}

void removeCopiesOfInterruptedFilings(TdmData& data) {
    db::SqliteConnection& connection = data.dbMain.Connection();
    const std::vector<std::string> intents = db::readFilingIntents(connection);
    if (intents.empty())
        return;
    const QString folderPath = storeFolderPath();
    const platform::Descriptor folder(
        ::open(QFile::encodeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid() && errno != ENOENT) {
        const int error = errno;
        throw platform::UserError(
            QString("The store folder \"%1\" could not be read: %2.")
                .arg(folderPath, QString::fromLocal8Bit(std::strerror(error))));
    }
    for (const std::string& intent : intents) {
        const QString name = QString::fromStdString(intent);
        const QByteArray encoded = QFile::encodeName(name);
        // A name of another tool's writing that is not a plain name in the folder is no copy of
        // a filing.
        const bool plainName = platform::isPathBelow(encoded) && !encoded.contains('/');
        if (folder.valid() && plainName && !aRowNames(connection, name))
            removeNamedCopy(folder.get(), folderPath, encoded);
        db::dropFilingIntent(connection, intent);
    }
}

} // namespace quillox::store
