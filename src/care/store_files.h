#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <unordered_map>

namespace quillox::care {

// What a file in the store folder is, as its entry tells without opening it.
struct StoreFile {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    bool named = false;          // for a check: whether a row names the file
};

// Files by their path relative to the folder they were listed in.
using StoreFiles = std::unordered_map<std::string, StoreFile>;

// Every entry below the folder that is not a folder, links included and never followed, by its
// path relative to the folder (as the file system spells it, "/" between folders). A missing
// folder holds none. Throws UserError naming a folder that cannot be read and the reason.
StoreFiles filesBelow(const QString& folder);

// Whether this process may read the file, as its mode bits tell.
bool readableByUs(const StoreFile& file);

} // namespace quillox::care
