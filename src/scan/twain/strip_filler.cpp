#include "scan/twain/strip_filler.h"

#include <algorithm>
#include <cstring>

namespace quillox::twain {

StripFiller::StripFiller(platform::DeviceIndependentBitmap& bitmap, bool swapRedBlue,
                         Progress progress)
    : bitmap_(bitmap), stride_(bitmap.stride()), swap_(swapRedBlue && bitmap.bitsPerPixel == 24),
      progress_(std::move(progress)), row_(bitmap.height - 1) {}

void StripFiller::Place(const std::uint8_t* bytes, std::size_t count) {
    // A bitmap whose pixels do not match its size takes nothing.
    if (bitmap_.pixels.size() != stride_ * std::size_t(std::max(bitmap_.height, 0)))
        return;
    while (count > 0 && row_ >= 0) {
        std::uint8_t* start = bitmap_.pixels.data() + std::size_t(row_) * stride_;
        const std::size_t taken = std::min(count, stride_ - placed_);
        std::memcpy(start + placed_, bytes, taken);
        placed_ += taken;
        bytes += taken;
        count -= taken;
        if (placed_ == stride_)
            FinishRow(start);
    }
}

void StripFiller::FinishRow(std::uint8_t* start) {
    if (swap_) {
        // The width is read once: the byte stores could alias it for the compiler otherwise.
        const std::uint8_t* const end = start + 3 * std::size_t(bitmap_.width);
        for (std::uint8_t* pixel = start; pixel != end; pixel += 3)
            std::swap(pixel[0], pixel[2]);
    }
    --row_;
    placed_ = 0;
    if (progress_)
        progress_(bitmap_.height - row_ - 1, bitmap_.height - 1);
}

} // namespace quillox::twain
