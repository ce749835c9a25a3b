#include "store/store_unavailable.h"

namespace quillox::store {

QString storeUnavailableMessage(const QString& reason) {
    // The reason is a sentence of its own above the advice.
    const QString sentence = reason.endsWith('.') ? reason : reason + '.';
    return sentence +
           "\n\nQuillox cannot file or show documents without its store. Quit it, and "
           "follow the section \"" +
           recoverySection + "\" of Quillox's README";
}

} // namespace quillox::store
