#include "store/file_document.h"

#include "platform/user_error.h"
#include "store/copy_fingerprint.h"
#include "store/filing_intent.h"
#include "store/misc_ops.h"
#include "store/post_or_cancel.h"
#include "store/stored_file_name.h"
#include "store/table_names.h"
#include "store/tag_words.h"
#include "store/tdm_data.h"

#include <QFile>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace quillox::store {
namespace {

// Any entry counts, a dangling link too: the copy's rename would refuse it all the same.
bool nameTaken(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

struct StoredCopy {
    QString path;
    std::string sha256; // of the bytes written into it
};

// The stored copy, or nothing when the user cancelled. The first free name is tried first;
// should another filing take it meanwhile, the rename refuses and the next one follows.
std::optional<StoredCopy> copyIntoStore(TdmData& data, const FilingInput& input,
                                        const QDateTime& moment,
                                        const platform::CopyProgress& progress) {
    const QString folder = getStoreFolder();
    for (int counter = 1; counter <= maxStoredNameCounter; ++counter) {
        const QString path =
            storedFileName(folder, input.documentName, moment, input.sourcePath, counter);
        if (nameTaken(path))
            continue;
        // A failed copy keeps the intent: should the copy have got the name after all, the next
        // start removes it.
        recordFilingIntent(data.dbMain, path);
        std::string sha256;
        switch (platform::copyFileSafely(input.sourcePath, path, progress,
                                         platform::ExistingTarget::Keep, &sha256)) {
        case platform::CopyOutcome::Copied:
            return StoredCopy{path, std::move(sha256)};
        case platform::CopyOutcome::Cancelled:
            dropFilingIntent(data.dbMain, path);
            return std::nullopt;
        case platform::CopyOutcome::TargetExists:
            // The file of that name is another's, which the next start must leave alone.
            dropFilingIntent(data.dbMain, path);
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
    std::optional<StoredCopy> copy = copyIntoStore(data, input, moment, progress);
    if (!copy)
        return false;
    try {
        postRow(data.tDocuments, id, input, copy->path);
    } catch (...) {
        // A copy without a row would be an orphan in the store that no window shows. The
        // intent stays, so that the next start removes a copy that could not be removed now.
        QFile::remove(copy->path);
        throw;
    }
    dropFilingIntent(data.dbMain, copy->path);
    // Only a filed document's words, and only those its row keeps: the column cuts a long line,
    // and a word past the cut would find nothing.
    addSearchTerms(data.tSearchTerms, data.tDocuments.FieldByName(tagWordsColumn).AsString());
    // So that a check can tell a copy changed since filing, and a deleted document's copy
    // from a stray file. The SHA-256 is of the bytes written, never of the source read again:
    // the source may have changed since without its size or time showing it.
    recordFingerprint(data.dbMain, copy->path,
                      fingerprintOfNewCopy(copy->path, id, std::move(copy->sha256)));
    return true;
}

} // namespace quillox::store
