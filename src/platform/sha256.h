#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace quillox::platform {

// SHA-256 of bytes given in any number of pieces.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(const void* bytes, std::size_t count);
    // The digest of everything added, as 64 lowercase hexadecimal digits; ends the hashing.
    std::string hexDigest();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A file's bytes as read, with the size and modification time the file had while they were.
struct FileDigest {
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0; // nanoseconds since the epoch
    std::string sha256;          // 64 lowercase hexadecimal digits
};

// Reads an ordinary file whole, following links. A file that changes while it is read is read
// again. Throws UserError naming the file and the system's reason when it cannot be read, and
// when it is not an ordinary file.
FileDigest digestFile(const QString& path);

// Reads the open file whole from its start, as digestFile does; the path names it in messages.
FileDigest digestOpenFile(int file, const QString& path);

} // namespace quillox::platform
