#pragma once

#include <QDateTime>
#include <QString>

namespace quillox::store {

// The highest counter a stored file name can carry; room for it is kept in every name.
constexpr int maxStoredNameCounter = 99999;

// The path of a stored copy: the store folder (ending with "/"), the document name made safe,
// the moment of filing as "dd.MM.yyyy.hh.mm", from counter 2 on " (counter)", and the source's
// extension with its case kept. The name is kept inside the folder: separators and control
// characters become "_", a leading full stop too (no hidden or "." and ".." names), an empty
// name becomes "Document"; it is shortened at a character boundary so that the file name fits
// 255 bytes and the whole path 500 bytes of UTF-8. Throws UserError when the folder's path
// leaves no room for a name.
QString storedFileName(const QString& storeFolder, const QString& documentName,
                       const QDateTime& moment, const QString& sourcePath, int counter);

} // namespace quillox::store
