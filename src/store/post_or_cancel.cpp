#include "store/post_or_cancel.h"

#include "db/tdb_table.h"

namespace quillox::store {

void postOrCancel(db::TDbTable& table, const std::function<void()>& setFields) {
    try {
        setFields();
        table.Post();
    } catch (...) {
        // Left in insert or edit mode, the table would post the half-made row at its next move.
        table.Cancel();
        throw;
    }
}

} // namespace quillox::store
