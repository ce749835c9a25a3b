#include "care/store_lock.h"

#include "platform/user_error.h"

namespace quillox::care {

StoreLock::StoreLock(const QString& databaseFile) : lock_(databaseFile + ".lock") {
    // As the program holds it: only a dead owner makes the lock stale, never its age.
    lock_.setStaleLockTime(0);
    if (lock_.tryLock(0))
        return;
    if (lock_.error() == QLockFile::LockFailedError)
        throw platform::UserError("Quillox is running on the store of \"" + databaseFile +
                                  "\". Quit it, then try again.");
    throw platform::UserError("The lock of \"" + databaseFile +
                              "\" cannot be taken. Check that you may write in its folder.");
}

} // namespace quillox::care
