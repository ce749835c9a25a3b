// libFuzzer target: the filler that places a memory transfer's strips into a bitmap. The input
// picks the bitmap's form and then the strips' sizes and bytes; nothing may be written outside
// the bitmap's pixels.
#include "scan/twain/strip_filler.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    using quillox::twain::StripSamples;
    static const int bitCounts[] = {1, 4, 8, 16, 24, 32};
    static const StripSamples samples[] = {StripSamples::AsBitmap, StripSamples::RedGreenBlue,
                                           StripSamples::RedGreenBluePadded, StripSamples::Gray16};
    quillox::platform::DeviceIndependentBitmap bitmap;
    bitmap.width = 1 + (data[0] | (data[1] & 0x01) << 8);
    bitmap.height = 1 + data[2] % 64;
    bitmap.bitsPerPixel = bitCounts[data[3] % 6];
    bitmap.pixels.assign(bitmap.stride() * std::size_t(bitmap.height), 0);
    int lastRow = 0;
    quillox::twain::StripFiller filler(bitmap, samples[data[3] >> 6],
                                       [&lastRow](int current, int) { lastRow = current; });
    std::size_t at = 4;
    while (at < size) {
        const std::size_t strip = std::min<std::size_t>(data[at], size - at - 1);
        filler.Place(data + at + 1, strip);
        at += strip + 1;
    }
    return lastRow <= bitmap.height ? 0 : 1;
}
