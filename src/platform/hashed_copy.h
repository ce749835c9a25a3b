#pragma once

#include "platform/background_sha256.h"
#include "platform/contents_copy.h"

#include <cstddef>
#include <memory>
#include <string>

namespace quillox::platform {

// Copies a file chunk by chunk through two buffers in turn, each hashed once written while the
// other is read and written: the SHA-256 is that of exactly the bytes that went into the target,
// whatever the source does meanwhile. Flushes nothing.
class HashedCopy {
public:
    explicit HashedCopy(std::size_t chunkSize);

    // Reads the next chunk of the source from its offset and writes it whole onto the target at
    // its offset: the bytes copied, 0 at the end of the source, or on a failure the side that
    // failed. Throws UserError when the digest fails.
    ContentsCopy copyChunk(int from, int to);
    // The SHA-256 of every byte written, as 64 lowercase hexadecimal digits; ends the copy.
    std::string hexDigest();

private:
    std::size_t chunkSize_;
    std::unique_ptr<char[]> buffers_[2];
    std::size_t next_ = 0;
    // After the buffers, so that it stops hashing before they go.
    BackgroundSha256 hash_;
};

} // namespace quillox::platform
