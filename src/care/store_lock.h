#pragma once

#include <QLockFile>
#include <QString>

namespace quillox::care {

// The lock that a running Quillox holds on its database ("<file>.lock"), taken so that no copy
// of the program works on the store meanwhile; released when the object goes.
class StoreLock {
public:
    // Throws UserError when Quillox runs on the store, or the lock cannot be taken.
    explicit StoreLock(const QString& databaseFile);

private:
    QLockFile lock_;
};

} // namespace quillox::care
