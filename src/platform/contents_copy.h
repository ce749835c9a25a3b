#pragma once

#include <cstdint>

namespace quillox::platform {

// How a copy of a file's bytes ended: how many were copied, and on a failure which side failed.
struct ContentsCopy {
    std::int64_t bytes = 0;
    int readError = 0;  // the errno value of a failure to read the source, 0 when none
    int writeError = 0; // the errno value of a failure to write the target, 0 when none
};

// Copies the source from its offset to its end onto the target at its offset, in the kernel
// where the two files allow it (copy_file_range) and through a buffer where they do not. The
// kernel's copy does not tell which side failed, so a failure of it is met by going on
// through the buffer, which does. Flushes nothing.
ContentsCopy copyContents(int from, int to);

} // namespace quillox::platform
