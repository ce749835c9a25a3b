#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace quillox::care {

struct CopyToTake;

// How the taking of one stored copy ended.
struct TakenCopy {
    enum class Outcome {
        Taken,  // the backup holds it
        Gone,   // there is no file of its name in the store folder
        Refused // it could not be read, or is not an ordinary file: problem says why
    };
    Outcome outcome = Outcome::Taken;
    std::int64_t size = 0;
    std::string sha256; // of the bytes written into the backup
    QString problem;
    // Taken, but its bytes are not those whose SHA-256 filing recorded.
    bool changedSinceFiling = false;
};

// Where a backup copies from and to: the open store folder and the backup's open folder of
// stored copies, and their paths for messages.
struct CopyFolders {
    int store = -1;
    QString storePath;
    int documents = -1;
    QString documentsPath;
};

// Copies a stored copy into the backup's folder under the same path, following no symbolic
// link, and starts writing it to the disk; flushing is the caller's. A source that changes while
// it is copied is copied again, twice at most. The SHA-256 is that of the bytes written, hashed
// as they are, never taken from the recorded fingerprint: a copy changed in place under its old
// size and time would otherwise get a hash that its bytes in the backup do not match. A copy
// whose SHA-256 differs from its fingerprint's is still taken, and marked. A copy that is not
// taken leaves nothing in the backup. Throws UserError when the backup cannot be written.
TakenCopy takeCopy(const CopyFolders& folders, const CopyToTake& copy);

} // namespace quillox::care
