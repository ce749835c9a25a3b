#pragma once

#include <QString>

namespace quillox::store {

// The title of the README's section that tells how to copy the store aside and restore it.
inline const QString recoverySection = "When the store cannot be opened";

// The message of a store that cannot be used: why, then what the user can do.
QString storeUnavailableMessage(const QString& reason);

} // namespace quillox::store
