#pragma once

#include <functional>

namespace quillox::db {
class TDbTable;
}

namespace quillox::store {

// Finishes a row the caller has started with Append or Edit: runs setFields on it, then posts
// it, which leaves the posted row current. When either throws, the change is cancelled, so that the
// table is back in browse mode on the row it was on and nothing of the change is stored, and the
// exception goes on.
void postOrCancel(db::TDbTable& table, const std::function<void()>& setFields);

} // namespace quillox::store
