#pragma once

#include <QStringList>
#include <ostream>

namespace quillox::care {

// quillox-db restore BACKUP [--replace]: puts a backup that quillox-db backup made where the
// program looks for its store, for the user who runs it. Everything is checked first: the
// manifest, every file it names read whole against its size and SHA-256, and the database on a
// private copy, which passes SQLite's integrity check and is a Quillox database. Then, holding
// the store's lock: the stored copies go into the store folder, never replacing a file (see
// CopyPlacement); the private copy's paths and fingerprints are rewritten to them; and the copy
// is renamed to the database file last, so that an interruption leaves either the old store or
// the whole new one. An existing database is replaced only with --replace, and then kept
// beside it as main.abs.replaced-<yyyyMMdd-hhmmss>; a journal beside it is refused. Writes what
// was restored to out and returns Clean. Throws UserError or DbError when it refuses or fails;
// nothing is changed then.
int runRestore(const QStringList& arguments, std::ostream& out);

} // namespace quillox::care
