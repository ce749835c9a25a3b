#include "store_start.h"

#include "db/integrity_check.h"
#include "db/tdb_database.h"
#include "db/tdb_field.h"
#include "platform/unfinished_copy.h"
#include "store/leftover_copies.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"
#include "test_files.h"

#include <exception>

namespace quillox::testing {

StartedStore startStore() {
    StartedStore started;
    try {
        store::removeLeftoverCopies();
        store::TdmData data;
        data.DataModuleCreate(store::StartKind::AfterUncleanEnd);
        store::removeCopiesOfInterruptedFilings(data);
        auto& documents = data.tDocuments;
        for (documents.First(); !documents.Eof(); documents.Next())
            started.rows[documents.FieldByName("Document_Name").AsString()] =
                documents.FieldByName("Path").AsString();
        started.fingerprints = db::readFingerprints(data.dbMain.Connection());
        data.DataModuleDestroy();
        const QString findings = db::integrityFindings(store::getDatabaseFile());
        started.integrity = findings.isEmpty() ? "ok" : findings.toStdString();
    } catch (const std::exception& error) {
        started.refusal = QString::fromUtf8(error.what());
    }
    for (const QString& name : entriesOf(store::storeFolderPath())) {
        if (platform::isUnfinishedCopyName(name.toUtf8()))
            started.leftovers << name;
    }
    return started;
}

} // namespace quillox::testing
