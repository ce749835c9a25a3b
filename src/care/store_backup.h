#pragma once

#include <QStringList>
#include <ostream>

namespace quillox::care {

// quillox-db backup FILE DEST [--store DIR]: backs the store up into the folder DEST, which must
// not exist (its parent must) or be empty. First the database file is copied with SQLite's
// online backup, so that Quillox may run and file meanwhile; then every stored copy that this
// copy of the database knows (in the store folder as the program finds it, or DIR); then
// everything is flushed to the disk, and the manifest is written last. Writes what it left out
// and a summary line to out, and returns Clean, or Findings when a document's copy is missing,
// outside the store folder or unreadable (the backup then holds the rest), or when a copy's
// bytes differ from its recorded fingerprint (the backup holds it as it is, under the SHA-256
// of those bytes, so that it restores). Throws UserError or DbError when no backup can be made;
// what it wrote into DEST is removed then.
int runBackup(const QStringList& arguments, std::ostream& out);

} // namespace quillox::care
