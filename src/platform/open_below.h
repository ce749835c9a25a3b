#pragma once

#include "platform/descriptor.h"

#include <QByteArray>
#include <sys/types.h>

namespace quillox::platform {

// Whether a path is relative and names an entry below its folder: not empty, no "/" at its
// start or end, no empty, "." or ".." part, no NUL.
bool isPathBelow(const QByteArray& path);

// Opens the entry at the path below the open folder, following no symbolic link, neither on the
// way nor at its end, with the flags and mode given to openat (O_NOFOLLOW and O_CLOEXEC are
// added). An invalid descriptor with errno set when it cannot: EINVAL for a path that
// isPathBelow refuses, ELOOP where a part is a link.
Descriptor openBelow(int folder, const QByteArray& path, int flags, mode_t mode = 0);

// Makes the missing folders of the path below the open folder, the last part too, following no
// symbolic link: 0, or the errno value.
int makeFoldersBelow(int folder, const QByteArray& path);

} // namespace quillox::platform
