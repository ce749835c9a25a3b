#include "db/new_file.h"

#include "db/db_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quillox::db {
namespace {

[[noreturn]] void failCreate(const std::string& path, int error) {
    throwEngineError("Cannot create file: '" + path + "' Error code: " + std::to_string(error) +
                         ". ErrorMessage: " + std::strerror(error),
                     NativeError::CannotCreateFile);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

void createNewFile(const std::string& path,
                   const std::function<void(const std::string& staging)>& prepare) {
    // Only a creation that was cut short leaves these; SQLite may have left its journal too.
    const std::string staging = path + ".creating";
    ::unlink((staging + "-journal").c_str());
    ::unlink(staging.c_str());
    const int fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        failCreate(path, errno);
    ::close(fd);
    try {
        if (prepare)
            prepare(staging);
    } catch (...) {
        ::unlink(staging.c_str());
        throw;
    }
    // A link, unlike a rename, refuses a file that appeared under the path meanwhile.
    const int linked = ::link(staging.c_str(), path.c_str()) == 0 ? 0 : errno;
    ::unlink(staging.c_str());
    if (linked != 0)
        failCreate(path, linked);
    if (const int error = syncFolder(folderOf(path)); error != 0)
        failCreate(path, error);
}

} // namespace quillox::db
