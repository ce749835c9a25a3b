#include "packed_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace quillox::sane_manager {
namespace {

#pragma pack(push, 2)
struct BitmapInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t colorsUsed;
    std::uint32_t colorsImportant;
};
#pragma pack(pop)
static_assert(sizeof(BitmapInfoHeader) == 40);

// A picture the application cannot take in one block anyway.
constexpr std::uint64_t largestPixelBytes = std::uint64_t(1) << 31;

} // namespace

void* packBitmap(const PageForm& form, const std::vector<std::uint8_t>& rows) {
    const std::size_t stride = form.stride();
    const auto height = std::size_t(form.height);
    if (std::uint64_t(stride) * height > largestPixelBytes)
        return nullptr;
    const std::size_t colours = form.bitsPerPixel == 24 ? 0 : std::size_t(1) << form.bitsPerPixel;
    const std::size_t tableBytes = 4 * colours;
    const std::size_t pixelBytes = stride * height;
    auto* block = static_cast<std::uint8_t*>(
        std::calloc(1, sizeof(BitmapInfoHeader) + tableBytes + pixelBytes));
    if (!block)
        return nullptr;
    const auto pelsPerMeter = std::int32_t(std::lround(form.resolution / 0.0254));
    const BitmapInfoHeader header{sizeof(BitmapInfoHeader),
                                  form.width,
                                  form.height,
                                  1,
                                  std::uint16_t(form.bitsPerPixel),
                                  0,
                                  std::uint32_t(pixelBytes),
                                  pelsPerMeter,
                                  pelsPerMeter,
                                  std::uint32_t(colours),
                                  0};
    std::memcpy(block, &header, sizeof header);
    std::uint8_t* table = block + sizeof header;
    for (std::size_t i = 0; i < colours; ++i) {
        // Gray levels evenly spread: black and white for 1 bit, 256 grays for 8.
        const auto level = std::uint8_t(i * 255 / (colours - 1));
        table[4 * i] = table[4 * i + 1] = table[4 * i + 2] = level;
    }
    std::uint8_t* pixels = table + tableBytes;
    const std::size_t rowsGiven = std::min(height, rows.size() / stride);
    for (std::size_t row = 0; row < rowsGiven; ++row) {
        std::uint8_t* into = pixels + (height - 1 - row) * stride;
        std::memcpy(into, rows.data() + row * stride, stride);
        if (form.bitsPerPixel == 24)
            for (std::size_t x = 0; x < std::size_t(form.width); ++x)
                std::swap(into[3 * x], into[3 * x + 2]);
    }
    return block;
}

} // namespace quillox::sane_manager
