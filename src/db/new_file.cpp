#include "db/new_file.h"

#include "db/db_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillox::db {

void createNewFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        throwEngineError("Cannot create file: '" + path + "' Error code: " + std::to_string(error) +
                             ". ErrorMessage: " + std::strerror(error),
                         NativeError::CannotCreateFile);
    }
    ::close(fd);
}

} // namespace quillox::db
