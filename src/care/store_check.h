#pragma once

#include <QStringList>
#include <ostream>

namespace quillox::care {

// quillox-db check FILE [--full] [--repair] [--store DIR]: checks the database file with SQLite's
// integrity check and against the tables the program makes, then the stored copies against the
// rows (the store folder as the program finds it, or DIR), and the folders among themselves.
// It reads only the copies whose size or time differ from their fingerprint's; --full reads
// every copy and compares its SHA-256 with the fingerprint's.
// Fingerprints that the store lacks are recorded on the way; no other write is made, but for
// --repair, which removes the hidden files of interrupted filings while holding the store's
// lock. Writes the findings and a summary line to out and returns the exit status: Clean or
// Findings. Throws UserError or DbError when the store cannot be checked.
int runCheck(const QStringList& arguments, std::ostream& out);

} // namespace quillox::care
