#pragma once

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Deletes the documents row of that ID, the first in storage order among the rows the
// table's filter lets through; the stored copy stays. The row after it becomes current, or the
// one before when it was the last. False, with the cursor at the end and nothing deleted, when
// no visible row holds the ID. Leaves the filter as it is.
bool deleteDocument(db::TDbTable& documents, int id);

} // namespace quillox::store
