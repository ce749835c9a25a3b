#pragma once

#include "platform/device_independent_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace quillox::twain {

// What a memory transfer's rows hold, and so what a finished row needs to become a row of the
// bitmap.
enum class StripSamples {
    AsBitmap,           // the bitmap's own form: nothing to change
    RedGreenBlue,       // 24-bit red, green, blue: red and blue swapped
    RedGreenBluePadded, // 32-bit red, green, blue and a padding byte: red and blue swapped
    Gray16,             // 16-bit gray in the machine's byte order: the top 8 bits kept
};

// Places a memory transfer's strips into a bottom-up bitmap as one stream of rows, from the
// image's top row (the last row in memory) downwards. Each incoming row is as long as the
// bitmap's, padded to 32 bits, except 16-bit gray, whose rows are twice the 8-bit bitmap's
// width, padded the same way. Samples that do not suit the bitmap's depth are placed as they
// come. Bytes beyond the last row are dropped, never written. After each finished row the
// progress function learns the rows done and the height minus 1.
class StripFiller {
public:
    using Progress = std::function<void(int current, int total)>;

    StripFiller(platform::DeviceIndependentBitmap& bitmap, StripSamples samples, Progress progress);

    void Place(const std::uint8_t* bytes, std::size_t count);

private:
    void FinishRow(std::uint8_t* target);

    platform::DeviceIndependentBitmap& bitmap_;
    std::size_t stride_;
    StripSamples samples_;
    // A 16-bit gray row is gathered here, as it is longer than the bitmap's.
    std::vector<std::uint8_t> wideRow_;
    std::size_t incomingStride_;
    Progress progress_;
    int row_;
    std::size_t placed_ = 0;
};

} // namespace quillox::twain
