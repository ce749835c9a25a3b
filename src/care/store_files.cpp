#include "care/store_files.h"

#include "platform/descriptor.h"
#include "platform/user_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillox::care {
namespace {

[[noreturn]] void failReading(const QString& folder, int error) {
    throw platform::UserError(
        QString("The folder \"%1\" could not be read: %2.").arg(folder, std::strerror(error)));
}

// Lists the open folder into files, under the prefix, and descends into its folders. Takes the
// descriptor over.
void listFolder(int descriptor, const QString& shownPath, const std::string& prefix,
                StoreFiles& files) {
    DIR* directory = ::fdopendir(descriptor);
    if (directory == nullptr) {
        const int error = errno;
        ::close(descriptor);
        failReading(shownPath, error);
    }
    const auto closeDirectory = [&] { ::closedir(directory); };
    try {
        errno = 0;
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            struct stat status {};
            if (::fstatat(::dirfd(directory), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno == ENOENT)
                    continue; // gone since it was listed
                failReading(shownPath, errno);
            }
            if (S_ISDIR(status.st_mode)) {
                const int inner = ::openat(::dirfd(directory), entry->d_name,
                                           O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                const QString innerPath = shownPath + "/" + QFile::decodeName(entry->d_name);
                if (inner < 0)
                    failReading(innerPath, errno);
                listFolder(inner, innerPath, prefix + name + "/", files);
            } else {
                files[prefix + name] = {
                    status.st_mode, status.st_uid, status.st_gid, status.st_size,
                    static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                        status.st_mtim.tv_nsec};
            }
            errno = 0;
        }
        if (errno != 0)
            failReading(shownPath, errno);
    } catch (...) {
        closeDirectory();
        throw;
    }
    closeDirectory();
}

} // namespace

StoreFiles filesBelow(const QString& folder) {
    StoreFiles files;
    const int descriptor =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT)
        return files;
    if (descriptor < 0)
        failReading(folder, errno);
    listFolder(descriptor, folder, "", files);
    return files;
}

bool readableByUs(const StoreFile& file) {
    static const uid_t user = ::geteuid();
    static const gid_t group = ::getegid();
    if (user == 0)
        return true;
    if (file.owner == user)
        return file.mode & S_IRUSR;
    if (file.group == group)
        return file.mode & S_IRGRP;
    return file.mode & S_IROTH;
}

} // namespace quillox::care
