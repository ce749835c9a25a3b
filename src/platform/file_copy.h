#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <string>

namespace quillox::platform {

// Told after each chunk how many of the source's bytes are copied; returning false cancels.
using CopyProgress = std::function<bool(qint64 copied, qint64 total)>;

enum class CopyOutcome {
    Copied,       // the target holds the source's bytes, flushed to the disk
    Cancelled,    // the progress function asked to stop; nothing is left behind
    TargetExists, // a file of the target's name appeared; it is left as it was
};

enum class ExistingTarget { Keep, Replace };

// Refuses, with UserError, a source that copyFileSafely could not copy: one that is missing,
// unreadable, a folder or not an ordinary file.
void checkCopySource(const QString& source);

// Copies an ordinary file so that the target either is complete and on the disk or does not
// exist: the bytes go to an unfinished copy in the target's folder (see UnfinishedCopy), which
// is flushed and then given the target's name, replacing an existing file only when told to,
// and then in one step. A source whose size or modification time changes during the copy, or
// that yields other than its size, is refused with UserError, as is any failure, naming the
// file and the system's reason. A refusal, a failure or a cancel leaves no unfinished copy. An
// empty progress function is allowed.
//
// Given sha256, the bytes go through buffers that are hashed as they are written, and it gets
// the SHA-256 of exactly the bytes the target holds, as 64 lowercase hexadecimal digits; a source
// changed in place without a change of size or time cannot make it differ from the copy.
// Otherwise the kernel copies where it can.
CopyOutcome copyFileSafely(const QString& source, const QString& target,
                           const CopyProgress& progress,
                           ExistingTarget existing = ExistingTarget::Keep,
                           std::string* sha256 = nullptr);

// Copies as copyFileSafely does from a file that the caller opened for reading and has not
// read from; the source's path names it in messages.
CopyOutcome copyOpenFileSafely(int sourceFile, const QString& source, const QString& target,
                               const CopyProgress& progress,
                               ExistingTarget existing = ExistingTarget::Keep,
                               std::string* sha256 = nullptr);

// Copies as copyOpenFileSafely does into the open folder, under the name (a single part, no
// "/"): the folder is not looked up again, so that a link put in the way of its path meanwhile
// is not followed. The target names the copy in messages.
CopyOutcome copyOpenFileIntoFolder(int sourceFile, const QString& source, int folder,
                                   const QByteArray& name, const QString& target,
                                   const CopyProgress& progress,
                                   ExistingTarget existing = ExistingTarget::Keep,
                                   std::string* sha256 = nullptr);

} // namespace quillox::platform
