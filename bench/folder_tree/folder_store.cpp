#include "folder_store.h"

#include "bench_home.h"
#include "plain_sqlite.h"
#include "store/misc_ops.h"
#include "store/tdm_data.h"

void makeFolderStore(const QString& home, const GeneratedFolders& folders) {
    useHome(home);
    {
        quillox::store::TdmData data;
        data.DataModuleCreate();
        data.DataModuleDestroy();
    }
    // One transaction for all rows; the engine would commit each row on its own.
    PlainDb db(quillox::store::getDatabaseFile());
    db.exec("BEGIN");
    PlainStatement insert(db,
                          "INSERT INTO Folders (ID, Name, Parent, Picture) VALUES (?, ?, ?, ?)");
    for (std::size_t i = 0; i < folders.names.size(); ++i) {
        insert.bind(1, static_cast<std::int64_t>(i + 1));
        insert.bind(2, folders.names[i].toStdString());
        insert.bind(3, folders.parents[i].toStdString());
        insert.bind(4, static_cast<std::int64_t>(i % 80));
        insert.step();
        insert.reset();
    }
    db.exec("COMMIT");
}
