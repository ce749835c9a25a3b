#pragma once

#include "platform/sha256.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

namespace quillox::platform {

// SHA-256 of a copy's chunks, hashed on a thread of its own while the caller reads and writes the
// next chunk, so that hashing adds little to the copy's time. The first chunk is hashed at once
// on the caller's thread: most files are one chunk, and a thread would cost them more than it
// saves.
class BackgroundSha256 {
public:
    // Hands the bytes on once those handed before are hashed; they must stay as they are until
    // the next call. Throws UserError when the digest failed.
    void add(const char* bytes, std::size_t count);
    // The digest of everything added, as 64 lowercase hexadecimal digits; ends the hashing.
    std::string hexDigest();

private:
    void hashPending(std::stop_token stop);
    void waitUntilIdle(std::unique_lock<std::mutex>& lock);

    Sha256 hash_;
    bool firstAdded_ = false;
    std::mutex lock_;
    std::condition_variable_any changed_;
    const char* pending_ = nullptr;
    std::size_t pendingCount_ = 0;
    std::exception_ptr failure_;
    // Last, so that it is stopped and joined before anything it uses goes.
    std::jthread worker_;
};

} // namespace quillox::platform
