#include "store/filing_intent.h"

#include "db/filing_intents.h"
#include "db/tdb_database.h"

#include <QFileInfo>

namespace quillox::store {

void recordFilingIntent(db::TDbDatabase& database, const QString& path) {
    db::recordFilingIntent(database.Connection(), QFileInfo(path).fileName().toStdString());
}

void dropFilingIntent(db::TDbDatabase& database, const QString& path) {
    db::dropFilingIntent(database.Connection(), QFileInfo(path).fileName().toStdString());
}

} // namespace quillox::store
