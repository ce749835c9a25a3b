#include "store/open_store_file.h"

#include "db/db_error.h"
#include "db/integrity_check.h"
#include "db/journal_left.h"
#include "db/tdb_database.h"
#include "platform/user_error.h"
#include "store/interrupted_restore.h"
#include "store/store_unavailable.h"

#include <QFileInfo>

namespace quillox::store {
namespace {

// A damaged file is left as it is, so that nothing of it is lost before the user copies it.
void checkAfterUncleanEnd(const QString& file) {
    const QString finding = db::integrityFindings(file);
    if (!finding.isEmpty()) {
        throw platform::UserError("The store '" + file + "' is damaged (" + finding +
                                  "). Quillox has written nothing to it");
    }
}

bool isEmptyFile(const db::DbError& error) {
    return error.nativeError() == static_cast<int>(db::NativeError::EmptyFile) ||
           error.nativeError() == static_cast<int>(db::NativeError::UnmarkedDatabase);
}

// A store file of no bytes is most often a store lost to a full disk or a crash, which a copy
// may still bring back: a new store in its place needs the user's yes.
QString freshStartQuestion(const QString& found, const QString& file) {
    const QString lost =
        QFileInfo(file).size() == 0
            ? "An empty store file usually means that the store was lost, for example to a full "
              "disk; the section \"" +
                  recoverySection + "\" of Quillox's README says how to restore a copy.\n\n"
            : QString();
    return found + ".\n\n" + lost + "Start a new, empty store in this file?";
}

} // namespace

void openStoreFile(db::TDbDatabase& database, StartKind previousRun,
                   const ConfirmFreshStart& confirm) {
    const QString file = database.DatabaseFileName();
    refuseInterruptedRestore(file);
    if (QFileInfo(file).isDir()) {
        throw platform::UserError(
            "The store's database file '" + file +
            "' is a folder, not a database file. Quillox has changed nothing in it. Move that "
            "folder elsewhere or rename it: Quillox then starts a new, empty store, or you can "
            "restore the store from a backup with quillox-db restore");
    }
    if (!QFileInfo::exists(file)) {
        database.CreateDatabase();
        return;
    }
    if (previousRun == StartKind::AfterUncleanEnd || db::journalLeftBehind(file))
        checkAfterUncleanEnd(file);
    try {
        database.Open();
    } catch (const db::DbError& error) {
        if (!isEmptyFile(error))
            throw;
        const QString found = QString::fromUtf8(error.what());
        if (!confirm || !confirm(freshStartQuestion(found, file)))
            throw platform::UserError(found + ". No new store was started in it");
        database.ClaimEmptyFile();
    }
    // A run killed while starting a change can leave a journal that SQLite ignores; it would
    // stay for good, and look to a restore like a change cut short.
    db::removeUnplayedJournal(database.Connection());
}

} // namespace quillox::store
