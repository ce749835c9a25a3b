#include "store/leftover_copies.h"

#include "platform/unfinished_copy.h"
#include "store/misc_ops.h"

namespace quillox::store {

void removeLeftoverCopies() {
    // A store folder that is missing holds none, and is made by the first filing, not here.
    platform::removeLeftoverCopies(storeFolderPath());
}

} // namespace quillox::store
