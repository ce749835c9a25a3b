#include "platform/hashed_copy.h"

#include <cerrno>
#include <unistd.h>

namespace quillox::platform {

HashedCopy::HashedCopy(std::size_t chunkSize) : chunkSize_(chunkSize) {}

ContentsCopy HashedCopy::copyChunk(int from, int to) {
    // The hash takes a chunk only once done with the one before, so this buffer, last handed on
    // two chunks ago, is free. The second is made only when needed: most files fit in one.
    std::unique_ptr<char[]>& buffer = buffers_[next_];
    if (!buffer)
        buffer.reset(new char[chunkSize_]);
    ContentsCopy result;
    ssize_t got = -1;
    do
        got = ::read(from, buffer.get(), chunkSize_);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        result.readError = errno;
        return result;
    }
    for (ssize_t written = 0; written < got;) {
        const ssize_t put =
            ::write(to, buffer.get() + written, static_cast<std::size_t>(got - written));
        if (put < 0 && errno != EINTR) {
            result.writeError = errno;
            return result;
        }
        written += put < 0 ? 0 : put;
    }
    if (got > 0) {
        hash_.add(buffer.get(), static_cast<std::size_t>(got));
        next_ = 1 - next_;
    }
    result.bytes = got;
    return result;
}

std::string HashedCopy::hexDigest() {
    return hash_.hexDigest();
}

} // namespace quillox::platform
