// Loaded with LD_PRELOAD into a process under test, records every change it makes to the files
// below one folder, in order, for the crash-state test to replay: opens, writes with their
// bytes, truncations, links, renames, removals, folders made and removed, and the flushes. The
// folder is named by QUILLOX_RECORD_ROOT, the log by QUILLOX_RECORD_LOG. Lines the process
// writes to its standard output are recorded too, as marks, so that the replay knows what the
// process had reported done before each point.
//
// A record is one line of tab-separated fields, a write's bytes following its line:
//   open FD PATH FLAGS | dup FD NEWFD | close FD | write FD OFFSET COUNT | truncate FD LENGTH
//   link FROM TO | linkfd FD TO | rename FROM TO | unlink PATH | mkdir PATH | rmdir PATH
//   fsync FD | syncall | mark TEXT

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {

template <typename Function> Function* real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

#define REAL(name) static auto* const real_##name = real<decltype(::name)>(#name)

// A file below the root that the process holds open, and which file it was when opened, so
// that a descriptor number reused behind the recorder's back is not taken for it.
struct Tracked {
    std::string path;
    dev_t device;
    ino_t inode;
};

struct Recorder {
    std::mutex lock;
    int log = -1;
    std::string root;
    std::map<int, Tracked> files;
};

Recorder& recorder() {
    static Recorder* const instance = [] {
        auto* made = new Recorder;
        const char* root = std::getenv("QUILLOX_RECORD_ROOT");
        const char* log = std::getenv("QUILLOX_RECORD_LOG");
        if (root != nullptr && log != nullptr) {
            REAL(open);
            made->root = root;
            made->log = real_open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        }
        return made;
    }();
    return *instance;
}

void append(Recorder& state, const std::string& record, const void* bytes = nullptr,
            std::size_t count = 0) {
    REAL(write);
    const std::string line = record + "\n";
    std::string whole = line;
    whole.append(static_cast<const char*>(bytes), count);
    for (std::size_t done = 0; done < whole.size();) {
        const ssize_t put = real_write(state.log, whole.data() + done, whole.size() - done);
        if (put < 0 && errno != EINTR)
            std::abort();
        done += put < 0 ? 0 : static_cast<std::size_t>(put);
    }
}

// The path without "." and ".." parts and doubled slashes; links are not resolved, as none lie
// below the root.
std::string cleaned(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    return result.empty() ? "/" : result;
}

// The absolute path that the folder descriptor and the path name together; empty when the
// folder is not one the recorder knows.
std::string absolute(Recorder& state, int folder, const char* path) {
    if (path == nullptr)
        return {};
    if (path[0] == '/')
        return cleaned(path);
    if (folder == AT_FDCWD) {
        char here[4096];
        return ::getcwd(here, sizeof here) == nullptr ? std::string()
                                                      : cleaned(here + ("/" + std::string(path)));
    }
    const auto found = state.files.find(folder);
    return found == state.files.end() ? std::string() : cleaned(found->second.path + "/" + path);
}

bool below(const Recorder& state, const std::string& path) {
    return !state.root.empty() && !path.empty() &&
           (path == state.root || path.rfind(state.root + "/", 0) == 0);
}

// The tracked file behind the descriptor, or nothing when it is not one below the root.
const Tracked* tracked(Recorder& state, int fd) {
    const auto found = state.files.find(fd);
    if (found == state.files.end())
        return nullptr;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || status.st_dev != found->second.device ||
        status.st_ino != found->second.inode) {
        state.files.erase(found);
        return nullptr;
    }
    return &found->second;
}

void opened(int fd, int folder, const char* path, int flags) {
    Recorder& state = recorder();
    if (state.log < 0 || fd < 0)
        return;
    const std::lock_guard hold(state.lock);
    const std::string full = absolute(state, folder, path);
    struct stat status {};
    if (!below(state, full) || ::fstat(fd, &status) != 0) {
        state.files.erase(fd);
        return;
    }
    state.files[fd] = {full, status.st_dev, status.st_ino};
    append(state, "open\t" + std::to_string(fd) + "\t" + full + "\t" + std::to_string(flags));
}

void duplicated(int fd, int copy) {
    Recorder& state = recorder();
    if (state.log < 0 || copy < 0)
        return;
    const std::lock_guard hold(state.lock);
    state.files.erase(copy);
    const Tracked* original = tracked(state, fd);
    if (original == nullptr)
        return;
    state.files[copy] = *original;
    append(state, "dup\t" + std::to_string(fd) + "\t" + std::to_string(copy));
}

// The bytes written at the offset, once the write succeeded.
void written(int fd, long long offset, const void* bytes, ssize_t count) {
    Recorder& state = recorder();
    if (state.log < 0 || count <= 0)
        return;
    const std::lock_guard hold(state.lock);
    if (fd == STDOUT_FILENO) {
        std::string text(static_cast<const char*>(bytes), static_cast<std::size_t>(count));
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        for (char& c : text)
            c = c == '\n' || c == '\t' ? ' ' : c;
        append(state, "mark\t" + text);
        return;
    }
    if (tracked(state, fd) == nullptr)
        return;
    append(state,
           "write\t" + std::to_string(fd) + "\t" + std::to_string(offset) + "\t" +
               std::to_string(count),
           bytes, static_cast<std::size_t>(count));
}

void fileRecord(const char* kind, int fd, long long number = -1) {
    Recorder& state = recorder();
    if (state.log < 0)
        return;
    const std::lock_guard hold(state.lock);
    if (tracked(state, fd) == nullptr)
        return;
    append(state, std::string(kind) + "\t" + std::to_string(fd) +
                      (number >= 0 ? "\t" + std::to_string(number) : std::string()));
    if (std::strcmp(kind, "close") == 0)
        state.files.erase(fd);
}

void nameRecord(const char* kind, int folder, const char* path, int toFolder = AT_FDCWD,
                const char* to = nullptr) {
    Recorder& state = recorder();
    if (state.log < 0)
        return;
    const std::lock_guard hold(state.lock);
    const std::string from = absolute(state, folder, path);
    const std::string target = to == nullptr ? std::string() : absolute(state, toFolder, to);
    if (!below(state, from) && !below(state, target))
        return;
    append(state, std::string(kind) + "\t" + from + (to == nullptr ? "" : "\t" + target));
}

// A link made from a descriptor, named by /proc/self/fd/N or by AT_EMPTY_PATH.
void linkedDescriptor(int fd, int toFolder, const char* to) {
    Recorder& state = recorder();
    if (state.log < 0)
        return;
    const std::lock_guard hold(state.lock);
    const std::string target = absolute(state, toFolder, to);
    if (tracked(state, fd) == nullptr || !below(state, target))
        return;
    append(state, "linkfd\t" + std::to_string(fd) + "\t" + target);
}

int descriptorNamed(const char* path) {
    static const std::string prefix = "/proc/self/fd/";
    if (std::strncmp(path, prefix.c_str(), prefix.size()) != 0)
        return -1;
    return std::atoi(path + prefix.size());
}

long long position(int fd) {
    return ::lseek(fd, 0, SEEK_CUR);
}

mode_t modeArgument(int flags, va_list arguments) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(arguments, mode_t)
                                                                      : 0;
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    REAL(open);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    const int fd = real_open(path, flags, mode);
    opened(fd, AT_FDCWD, path, flags);
    return fd;
}

int open64(const char* path, int flags, ...) {
    REAL(open64);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    const int fd = real_open64(path, flags, mode);
    opened(fd, AT_FDCWD, path, flags);
    return fd;
}

int openat(int folder, const char* path, int flags, ...) {
    REAL(openat);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    const int fd = real_openat(folder, path, flags, mode);
    opened(fd, folder, path, flags);
    return fd;
}

int openat64(int folder, const char* path, int flags, ...) {
    REAL(openat64);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    const int fd = real_openat64(folder, path, flags, mode);
    opened(fd, folder, path, flags);
    return fd;
}

int creat(const char* path, mode_t mode) {
    return open(path, O_WRONLY | O_CREAT | O_TRUNC, mode);
}

int dup(int fd) {
    REAL(dup);
    const int copy = real_dup(fd);
    duplicated(fd, copy);
    return copy;
}

int dup2(int fd, int copy) {
    REAL(dup2);
    const int result = real_dup2(fd, copy);
    duplicated(fd, result);
    return result;
}

int dup3(int fd, int copy, int flags) {
    REAL(dup3);
    const int result = real_dup3(fd, copy, flags);
    duplicated(fd, result);
    return result;
}

// Only duplication matters here; the argument, an integer or a pointer, is passed on as it is.
int fcntl(int fd, int command, ...) {
    REAL(fcntl);
    va_list arguments;
    va_start(arguments, command);
    void* const argument = va_arg(arguments, void*);
    va_end(arguments);
    const int result = real_fcntl(fd, command, argument);
    if (command == F_DUPFD || command == F_DUPFD_CLOEXEC)
        duplicated(fd, result);
    return result;
}

int fcntl64(int fd, int command, ...) {
    REAL(fcntl64);
    va_list arguments;
    va_start(arguments, command);
    void* const argument = va_arg(arguments, void*);
    va_end(arguments);
    const int result = real_fcntl64(fd, command, argument);
    if (command == F_DUPFD || command == F_DUPFD_CLOEXEC)
        duplicated(fd, result);
    return result;
}

int close(int fd) {
    fileRecord("close", fd);
    REAL(close);
    return real_close(fd);
}

ssize_t write(int fd, const void* bytes, size_t count) {
    REAL(write);
    const long long offset = position(fd);
    const ssize_t put = real_write(fd, bytes, count);
    written(fd, offset, bytes, put);
    return put;
}

ssize_t pwrite(int fd, const void* bytes, size_t count, off_t offset) {
    REAL(pwrite);
    const ssize_t put = real_pwrite(fd, bytes, count, offset);
    written(fd, offset, bytes, put);
    return put;
}

ssize_t pwrite64(int fd, const void* bytes, size_t count, off64_t offset) {
    REAL(pwrite64);
    const ssize_t put = real_pwrite64(fd, bytes, count, offset);
    written(fd, offset, bytes, put);
    return put;
}

ssize_t writev(int fd, const struct iovec* pieces, int count) {
    std::string joined;
    for (int i = 0; i < count; ++i)
        joined.append(static_cast<const char*>(pieces[i].iov_base), pieces[i].iov_len);
    return write(fd, joined.data(), joined.size());
}

int ftruncate(int fd, off_t length) {
    REAL(ftruncate);
    const int result = real_ftruncate(fd, length);
    if (result == 0)
        fileRecord("truncate", fd, length);
    return result;
}

int ftruncate64(int fd, off64_t length) {
    REAL(ftruncate64);
    const int result = real_ftruncate64(fd, length);
    if (result == 0)
        fileRecord("truncate", fd, length);
    return result;
}

// Copied through the kernel as asked; the bytes that arrived are read back from the source,
// which the copy refuses to change under it.
ssize_t copy_file_range(int from, off64_t* fromOffset, int to, off64_t* toOffset, size_t count,
                        unsigned int flags) {
    REAL(copy_file_range);
    const long long readAt = fromOffset != nullptr ? *fromOffset : position(from);
    const long long writeAt = toOffset != nullptr ? *toOffset : position(to);
    const ssize_t done = real_copy_file_range(from, fromOffset, to, toOffset, count, flags);
    if (done > 0) {
        std::vector<char> bytes(static_cast<std::size_t>(done));
        if (::pread(from, bytes.data(), bytes.size(), readAt) != done)
            std::abort();
        written(to, writeAt, bytes.data(), done);
    }
    return done;
}

int rename(const char* from, const char* to) {
    REAL(rename);
    const int result = real_rename(from, to);
    if (result == 0)
        nameRecord("rename", AT_FDCWD, from, AT_FDCWD, to);
    return result;
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    REAL(renameat);
    const int result = real_renameat(fromFolder, from, toFolder, to);
    if (result == 0)
        nameRecord("rename", fromFolder, from, toFolder, to);
    return result;
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    REAL(renameat2);
    const int result = real_renameat2(fromFolder, from, toFolder, to, flags);
    if (result == 0)
        nameRecord("rename", fromFolder, from, toFolder, to);
    return result;
}

int link(const char* from, const char* to) {
    REAL(link);
    const int result = real_link(from, to);
    if (result == 0)
        nameRecord("link", AT_FDCWD, from, AT_FDCWD, to);
    return result;
}

int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) {
    REAL(linkat);
    const int result = real_linkat(fromFolder, from, toFolder, to, flags);
    if (result != 0)
        return result;
    if ((flags & AT_EMPTY_PATH) != 0 && from[0] == '\0')
        linkedDescriptor(fromFolder, toFolder, to);
    else if (const int fd = descriptorNamed(from); fd >= 0)
        linkedDescriptor(fd, toFolder, to);
    else
        nameRecord("link", fromFolder, from, toFolder, to);
    return result;
}

int unlink(const char* path) {
    REAL(unlink);
    const int result = real_unlink(path);
    if (result == 0)
        nameRecord("unlink", AT_FDCWD, path);
    return result;
}

int unlinkat(int folder, const char* path, int flags) {
    REAL(unlinkat);
    const int result = real_unlinkat(folder, path, flags);
    if (result == 0)
        nameRecord((flags & AT_REMOVEDIR) != 0 ? "rmdir" : "unlink", folder, path);
    return result;
}

int mkdir(const char* path, mode_t mode) {
    REAL(mkdir);
    const int result = real_mkdir(path, mode);
    if (result == 0)
        nameRecord("mkdir", AT_FDCWD, path);
    return result;
}

int mkdirat(int folder, const char* path, mode_t mode) {
    REAL(mkdirat);
    const int result = real_mkdirat(folder, path, mode);
    if (result == 0)
        nameRecord("mkdir", folder, path);
    return result;
}

int rmdir(const char* path) {
    REAL(rmdir);
    const int result = real_rmdir(path);
    if (result == 0)
        nameRecord("rmdir", AT_FDCWD, path);
    return result;
}

int fsync(int fd) {
    REAL(fsync);
    const int result = real_fsync(fd);
    if (result == 0)
        fileRecord("fsync", fd);
    return result;
}

int fdatasync(int fd) {
    REAL(fdatasync);
    const int result = real_fdatasync(fd);
    if (result == 0)
        fileRecord("fsync", fd);
    return result;
}

int syncfs(int fd) {
    REAL(syncfs);
    const int result = real_syncfs(fd);
    Recorder& state = recorder();
    if (result == 0 && state.log >= 0) {
        const std::lock_guard hold(state.lock);
        append(state, "syncall");
    }
    return result;
}

void sync() {
    REAL(sync);
    real_sync();
    Recorder& state = recorder();
    if (state.log >= 0) {
        const std::lock_guard hold(state.lock);
        append(state, "syncall");
    }
}

} // extern "C"
