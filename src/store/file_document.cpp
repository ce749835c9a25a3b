#include "store/file_document.h"

#include "platform/user_error.h"
#include "store/copy_fingerprint.h"
#include "store/misc_ops.h"
#include "store/post_or_cancel.h"
#include "store/stored_file_name.h"
#include "store/table_names.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"

#include <QFile>
#include <optional>
#include <sys/stat.h>

namespace quillox::store {
namespace {

// Any entry counts, a dangling link too: the copy's rename would refuse it all the same.
bool nameTaken(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// The stored copy's path, or nothing when the user cancelled. The first free name is tried
// first; should another filing take it meanwhile, the rename refuses and the next one follows.
std::optional<QString> copyIntoStore(const FilingInput& input, const QDateTime& moment,
                                     const platform::CopyProgress& progress) {
    const QString folder = getStoreFolder();
    for (int counter = 1; counter <= maxStoredNameCounter; ++counter) {
        const QString path =
            storedFileName(folder, input.documentName, moment, input.sourcePath, counter);
        if (nameTaken(path))
            continue;
        switch (platform::copyFileSafely(input.sourcePath, path, progress)) {
        case platform::CopyOutcome::Copied:
            return path;
        case platform::CopyOutcome::Cancelled:
            return std::nullopt;
        case platform::CopyOutcome::TargetExists:
            break;
        }
    }
    throw platform::UserError(
        QString("The store already holds too many documents named \"%1\" filed this minute.")
            .arg(input.documentName));
}

void postRow(db::TDbTable& documents, int id, const FilingInput& input, const QString& path) {
    documents.Append();
    postOrCancel(documents, [&] {
        documents.FieldByName(idColumn).SetAsInteger(id);
        documents.FieldByName(documentNameColumn).SetAsString(input.documentName);
        documents.FieldByName(tagWordsColumn).SetAsString(upperCaseTagText(input.tagWords));
        documents.FieldByName(descriptionColumn).SetAsString(input.description);
        documents.FieldByName(pathColumn).SetAsString(path);
        documents.FieldByName(inputDateColumn).SetAsDateTime(input.date);
        documents.FieldByName(folderColumn).SetAsString(input.folder);
    });
}

} // namespace

bool fileDocument(TdmData& data, const FilingInput& input, const platform::CopyProgress& progress) {
    // Refused before the copy, which would otherwise be made only to be thrown away.
    data.dbMain.RequireWritable();
    platform::checkCopySource(input.sourcePath);
    const int id = nextId(data.tDocuments);
    const QDateTime moment = QDateTime::currentDateTime();
    SourceFingerprint fingerprint(input.sourcePath);
    const std::optional<QString> path = copyIntoStore(input, moment, progress);
    if (!path)
        return false;
    try {
        postRow(data.tDocuments, id, input, *path);
    } catch (...) {
        // A copy without a row would be an orphan in the store that no window shows.
        QFile::remove(*path);
        throw;
    }
    // Only a filed document's words, and only those its row keeps: the column cuts a long line,
    // and a word past the cut would find nothing.
    addSearchTerms(data.tSearchTerms, data.tDocuments.FieldByName(tagWordsColumn).AsString());
    // So that a check can tell a copy changed since filing, and a deleted document's copy
    // from a stray file.
    recordFingerprint(data.dbMain, *path, fingerprint.forCopy(*path, id));
    return true;
}

} // namespace quillox::store
