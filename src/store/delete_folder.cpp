#include "store/tdm_data.h"

#include "store/locate_row.h"
#include "store/table_names.h"

#include <QSet>

namespace quillox::store {
namespace {

// One deletion of a folder with its subtree. Children go first, depth first; then the
// folder's documents; then the first row of its name.
class FolderDeletion {
public:
    FolderDeletion(db::TDbTable& folders, db::TDbTable& documents)
        : folders_(folders), documents_(documents) {
        folders_.SetFiltered(false);
        documents_.SetFiltered(false);
    }

    void remove(const QString& name) {
        if (started_.contains(name)) {
            // A name still being deleted is an ancestor: the parents form a cycle, and its
            // row goes when its own deletion ends. A name already done is a second row of
            // that name, whose children and documents went with the first.
            if (finished_.contains(name))
                deleteFirstFolderRow(name);
            return;
        }
        started_.insert(name);
        // Each deletion moves the table's cursor, so the children are gathered first.
        for (const QString& child : childrenOf(name))
            remove(child);
        deleteDocuments(name);
        deleteFirstFolderRow(name);
        finished_.insert(name);
    }

private:
    QStringList childrenOf(const QString& name) {
        QStringList children;
        for (folders_.First(); !folders_.Eof(); folders_.Next()) {
            if (folders_.FieldByName(parentColumn).AsString() == name)
                children.append(folders_.FieldByName(nameColumn).AsString());
        }
        return children;
    }

    void deleteDocuments(const QString& name) {
        db::TDbField& folder = documents_.FieldByName(folderColumn);
        documents_.First();
        // A deletion makes the following row current, or the one before when the last row
        // went, which was looked at already.
        while (!documents_.Eof()) {
            if (folder.AsString() == name)
                documents_.Delete();
            else
                documents_.Next();
        }
    }

    void deleteFirstFolderRow(const QString& name) {
        if (locateRow(folders_, nameColumn, name))
            folders_.Delete();
    }

    db::TDbTable& folders_;
    db::TDbTable& documents_;
    QSet<QString> started_;
    QSet<QString> finished_;
};

} // namespace

void TdmData::deleteFolder(const QString& name) {
    FolderDeletion(tFolders, tDocuments).remove(name);
}

} // namespace quillox::store
