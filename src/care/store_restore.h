#pragma once

#include <QStringList>
#include <ostream>

namespace quillox::care {

// quillox-db restore BACKUP [--replace]: puts a backup that quillox-db backup made where the
// program looks for its store, for the user who runs it. Everything is checked first: the
// manifest, every file it names read whole against its size and SHA-256, and the database on a
// private copy, which passes SQLite's integrity check and is a Quillox database; and no folder
// on the way to a copy below the store folder may be a symbolic link. Then, holding the store's
// lock: the leftovers of a killed restore are removed; a marker beside the database says that
// the store is incomplete (see RestoreMarker); the stored copies go into the store folder,
// never replacing a file (see CopyPlacement); the private copy's paths and fingerprints are
// rewritten to them; the copy is renamed to the database file, and the marker removed. A kill
// leaves either the old store or the marker, which the next start refuses and the same restore
// run again finishes. An existing database is replaced only with --replace or when finishing an
// interrupted restore, and then kept beside it as main.abs.replaced-<yyyyMMdd-hhmmss>; a
// journal beside it that SQLite would play back is refused. Writes what was restored to out and
// returns Clean. Throws UserError or DbError when it refuses or fails; nothing is changed then,
// but for the copies an interrupted restore left, which stay for the next one.
int runRestore(const QStringList& arguments, std::ostream& out);

} // namespace quillox::care
