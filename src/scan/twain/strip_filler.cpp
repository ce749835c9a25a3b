#include "scan/twain/strip_filler.h"

#include <algorithm>
#include <cstring>

namespace quillox::twain {
namespace {

StripSamples suitedTo(StripSamples samples, const platform::DeviceIndependentBitmap& bitmap) {
    const int bitsPerPixel = bitmap.bitsPerPixel;
    const int wanted = samples == StripSamples::RedGreenBlue         ? 24
                       : samples == StripSamples::RedGreenBluePadded ? 32
                       : samples == StripSamples::Gray16             ? 8
                                                                     : bitsPerPixel;
    return wanted == bitsPerPixel && bitmap.width > 0 ? samples : StripSamples::AsBitmap;
}

// The width comes by value: read through the bitmap, the byte stores could alias it for the
// compiler and make it reload the width on every pixel.
template <std::size_t PixelBytes> void swapRedAndBlue(std::uint8_t* row, int width) {
    const std::uint8_t* const end = row + PixelBytes * std::size_t(width);
    for (std::uint8_t* pixel = row; pixel != end; pixel += PixelBytes)
        std::swap(pixel[0], pixel[2]);
}

void keepTopBits(const std::uint8_t* samples, std::uint8_t* row, int width) {
    for (int x = 0; x < width; ++x) {
        std::uint16_t sample = 0;
        std::memcpy(&sample, samples + 2 * std::size_t(x), sizeof sample);
        row[x] = std::uint8_t(sample >> 8);
    }
}

} // namespace

StripFiller::StripFiller(platform::DeviceIndependentBitmap& bitmap, StripSamples samples,
                         Progress progress)
    : bitmap_(bitmap), stride_(bitmap.stride()), samples_(suitedTo(samples, bitmap)),
      incomingStride_(samples_ == StripSamples::Gray16
                          ? platform::DeviceIndependentBitmap::strideFor(bitmap.width, 16)
                          : stride_),
      progress_(std::move(progress)), row_(bitmap.height - 1) {
    if (samples_ == StripSamples::Gray16)
        wideRow_.resize(incomingStride_);
}

void StripFiller::Place(const std::uint8_t* bytes, std::size_t count) {
    // A bitmap whose pixels do not match its size takes nothing.
    if (bitmap_.pixels.size() != stride_ * std::size_t(std::max(bitmap_.height, 0)))
        return;
    while (count > 0 && row_ >= 0) {
        std::uint8_t* target = bitmap_.pixels.data() + std::size_t(row_) * stride_;
        std::uint8_t* into = wideRow_.empty() ? target : wideRow_.data();
        const std::size_t taken = std::min(count, incomingStride_ - placed_);
        std::memcpy(into + placed_, bytes, taken);
        placed_ += taken;
        bytes += taken;
        count -= taken;
        if (placed_ == incomingStride_)
            FinishRow(target);
    }
}

void StripFiller::FinishRow(std::uint8_t* target) {
    switch (samples_) {
    case StripSamples::AsBitmap:
        break;
    case StripSamples::RedGreenBlue:
        swapRedAndBlue<3>(target, bitmap_.width);
        break;
    case StripSamples::RedGreenBluePadded:
        swapRedAndBlue<4>(target, bitmap_.width);
        break;
    case StripSamples::Gray16:
        keepTopBits(wideRow_.data(), target, bitmap_.width);
        break;
    }
    --row_;
    placed_ = 0;
    if (progress_)
        progress_(bitmap_.height - row_ - 1, bitmap_.height - 1);
}

} // namespace quillox::twain
