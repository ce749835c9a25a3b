#include "platform/sha256.h"

#include "platform/descriptor.h"
#include "platform/user_error.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillox::platform {

// OpenSSL's digest uses the processor's SHA instructions where there are some, several times
// faster than a portable one on the large copies a backup hashes.
struct Sha256::State {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    ~State() { EVP_MD_CTX_free(context); }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {
    if (state_->context == nullptr ||
        EVP_DigestInit_ex(state_->context, EVP_sha256(), nullptr) != 1)
        throw UserError("The SHA-256 digest is not available.");
}

Sha256::~Sha256() = default;

void Sha256::add(const void* bytes, std::size_t count) {
    if (EVP_DigestUpdate(state_->context, bytes, count) != 1)
        throw UserError("The SHA-256 digest failed.");
}

std::string Sha256::hexDigest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(state_->context, digest, &length) != 1)
        throw UserError("The SHA-256 digest failed.");
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += digits[digest[i] >> 4];
        text += digits[digest[i] & 0xf];
    }
    return text;
}

namespace {

std::int64_t modifiedNs(const struct stat& status) {
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
}

} // namespace

FileDigest digestFile(const QString& path) {
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid()) {
        throw UserError(
            QString("The file \"%1\" could not be read: %2.").arg(path, std::strerror(errno)));
    }
    return digestOpenFile(file.get(), path);
}

FileDigest digestOpenFile(int file, const QString& path) {
    const auto failure = [&](const char* reason) {
        return UserError(QString("The file \"%1\" could not be read: %2.").arg(path, reason));
    };
    std::vector<char> buffer(1 << 20);
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat before {};
        if (::fstat(file, &before) != 0)
            throw failure(std::strerror(errno));
        if (!S_ISREG(before.st_mode))
            throw failure("it is not an ordinary file");
        Sha256 hash;
        std::int64_t total = 0;
        for (off_t offset = 0;;) {
            const ssize_t got = ::pread(file, buffer.data(), buffer.size(), offset);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw failure(std::strerror(errno));
            if (got == 0)
                break;
            hash.add(buffer.data(), static_cast<std::size_t>(got));
            offset += got;
            total += got;
        }
        struct stat after {};
        if (::fstat(file, &after) != 0)
            throw failure(std::strerror(errno));
        if (after.st_size == total && modifiedNs(after) == modifiedNs(before))
            return {total, modifiedNs(after), hash.hexDigest()};
    }
    throw failure("it changed each time it was read");
}

} // namespace quillox::platform
