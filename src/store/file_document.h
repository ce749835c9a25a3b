#pragma once

#include "platform/file_copy.h"

#include <QDateTime>
#include <QString>

namespace quillox::store {

class TdmData;

// What the new document dialog gathers for one filing.
struct FilingInput {
    QString sourcePath;   // the file to file, left where it is
    QString documentName; // as typed
    QString description;
    QString tagWords; // the line as typed
    QDateTime date;   // the picker's value; the row keeps its calendar date
    QString folder;   // the Name of the destination folder
};

// Files a copy of the source into the store and records it: copies the file under a new stored
// name (never replacing a stored copy), appends and posts the Documents row, then adds the tag
// words that the row keeps to the vocabulary, and records the copy's fingerprint. A source that
// cannot be copied, or a store that can only be read, is refused before anything is copied; a copy
// that fails or is cancelled leaves no row, no file and no terms, and a row that cannot be posted
// leaves no copy and no terms; a failure to add the terms or the fingerprint leaves the document
// filed. False when the user cancelled the copy through the progress function.
bool fileDocument(TdmData& data, const FilingInput& input, const platform::CopyProgress& progress);

} // namespace quillox::store
