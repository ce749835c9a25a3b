#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// The page's bytes copied with memcpy: between two buffers already in memory, the least that
// receiving the page can cost; and into a newly allocated buffer, which adds what the system
// takes to hand out a page's worth of fresh memory.
class PlainCopy {
public:
    PlainCopy();
    double copyMs();
    double freshCopyMs();

private:
    std::vector<std::uint8_t> from_;
    std::vector<std::uint8_t> to_;
    // Kept until the next fresh copy, so that the compiler cannot drop the copy as unread.
    std::unique_ptr<std::uint8_t[]> fresh_;
};
