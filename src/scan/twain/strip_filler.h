#pragma once

#include "platform/device_independent_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace quillox::twain {

// Places a memory transfer's strips into a bottom-up bitmap as one stream of rows of the
// bitmap's row length, from the image's top row (the last row in memory) downwards. Red and
// blue are swapped in each finished row when told. Bytes beyond the last row are dropped,
// never written. After each finished row the progress function learns the rows done and the
// height minus 1.
class StripFiller {
public:
    using Progress = std::function<void(int current, int total)>;

    StripFiller(platform::DeviceIndependentBitmap& bitmap, bool swapRedBlue, Progress progress);

    void Place(const std::uint8_t* bytes, std::size_t count);

private:
    void FinishRow(std::uint8_t* start);

    platform::DeviceIndependentBitmap& bitmap_;
    std::size_t stride_;
    bool swap_;
    Progress progress_;
    int row_;
    std::size_t placed_ = 0;
};

} // namespace quillox::twain
