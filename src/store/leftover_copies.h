#pragma once

namespace quillox::store {

// Removes the hidden files that copies into the store folder leave when they are killed before
// their end. Only for start-up, while this program holds the store's lock, so that no copy of
// it is writing one.
void removeLeftoverCopies();

} // namespace quillox::store
