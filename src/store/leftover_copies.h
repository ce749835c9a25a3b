#pragma once

namespace quillox::store {

class TdmData;

// Removes the hidden files that copies into the store folder leave when they are killed before
// their end. Only for start-up, while this program holds the store's lock, so that no copy of
// it is writing one.
void removeLeftoverCopies();

// Settles the filings that a kill interrupted after recording their intent: a copy that got its
// name but no row is removed, and only such a copy, never a file that no filing of this store
// meant to name. Only for start-up, with the store open and its lock held, so that no filing is
// under way. Throws UserError naming a copy that cannot be removed, DbError when the database
// cannot be read or written.
void removeCopiesOfInterruptedFilings(TdmData& data);

} // namespace quillox::store
