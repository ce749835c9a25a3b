#include "store/path_in_store.h"

#include <QDir>
#include <QFile>

namespace quillox::store {

std::optional<QByteArray> pathInStoreFolder(const QString& path, const QString& storeFolder) {
    const QString prefix = QDir::cleanPath(storeFolder) + "/";
    const QString cleaned = QDir::cleanPath(path);
    if (!cleaned.startsWith(prefix) || cleaned.size() == prefix.size())
        return std::nullopt;
    return QFile::encodeName(cleaned.mid(prefix.size()));
}

} // namespace quillox::store
