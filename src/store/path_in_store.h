#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillox::store {

// The path of a stored copy below the store folder, as the file system spells it ("/" between
// folders), when the path, cleaned of "." and ".." parts and doubled separators, lies below the
// folder; nothing when it does not. The folder may end with "/" or not.
std::optional<QByteArray> pathInStoreFolder(const QString& path, const QString& storeFolder);

} // namespace quillox::store
