#include "store/store_unavailable.h"

namespace quillox::store {

QString storeUnavailableMessage(const QString& reason) {
    return reason +
           "\n\nQuillox cannot file or show documents without its store. Quit it, and "
           "follow the section \"" +
           recoverySection + "\" of Quillox's README";
}

} // namespace quillox::store
