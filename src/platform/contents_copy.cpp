#include "platform/contents_copy.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace quillox::platform {
namespace {

constexpr std::size_t kernelChunk = 1 << 30;
constexpr std::size_t bufferSize = 1 << 20;

void copyThroughBuffer(int from, int to, ContentsCopy& result) {
    std::vector<char> buffer(bufferSize);
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.readError = errno;
            return;
        }
        if (got == 0)
            return;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put =
                ::write(to, buffer.data() + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno != EINTR) {
                result.writeError = errno;
                return;
            }
            written += put < 0 ? 0 : put;
            result.bytes += put < 0 ? 0 : put;
        }
    }
}

} // namespace

ContentsCopy copyContents(int from, int to) {
    ContentsCopy result;
    for (;;) {
        const ssize_t done = ::copy_file_range(from, nullptr, to, nullptr, kernelChunk, 0);
        if (done < 0 && errno == EINTR)
            continue;
        if (done > 0) {
            result.bytes += done;
            continue;
        }
        // At the end, where the kernel cannot copy between these files (some answer 0 then), or
        // where its copy failed: the buffer goes on from the same offsets, and its first read
        // finds the end at once when there is no more.
        copyThroughBuffer(from, to, result);
        return result;
    }
}

} // namespace quillox::platform
