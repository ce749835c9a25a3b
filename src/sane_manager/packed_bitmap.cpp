#include "sane_manager/packed_bitmap.h"

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

PackedBitmap::PackedBitmap(const PageForm& form) : form_(form) {
    const std::size_t stride = form.stride();
    const auto height = std::size_t(std::max(form.height, 0));
    if (std::uint64_t(stride) * height > largestPixelBytes)
        return;
    const std::size_t colours = form.bitsPerPixel == 24 ? 0 : std::size_t(1) << form.bitsPerPixel;
    const std::size_t tableBytes = 4 * colours;
    const std::size_t pixelBytes = stride * height;
    block_ = static_cast<std::uint8_t*>(
        std::calloc(1, sizeof(BitmapInfoHeader) + tableBytes + pixelBytes));
    if (!block_)
        return;
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
    std::memcpy(block_, &header, sizeof header);
    std::uint8_t* table = block_ + sizeof header;
    for (std::size_t i = 0; i < colours; ++i) {
        // Gray levels evenly spread: black and white for 1 bit, 256 grays for 8.
        const auto level = std::uint8_t(i * 255 / (colours - 1));
        table[4 * i] = table[4 * i + 1] = table[4 * i + 2] = level;
    }
    pixels_ = table + tableBytes;
}

PackedBitmap::~PackedBitmap() {
    std::free(block_);
}

void PackedBitmap::Place(std::size_t firstRow, const std::uint8_t* rows, std::size_t bytes) {
    if (!block_)
        return;
    const std::size_t stride = form_.stride();
    const auto height = std::size_t(form_.height);
    const std::size_t count = bytes / stride;
    for (std::size_t i = 0; i < count && firstRow + i < height; ++i) {
        std::uint8_t* into = pixels_ + (height - 1 - firstRow - i) * stride;
        const std::uint8_t* from = rows + i * stride;
        if (form_.bitsPerPixel != 24) {
            std::memcpy(into, from, stride);
            continue;
        }
        const std::uint8_t* const end = from + 3 * std::size_t(form_.width);
        for (; from != end; from += 3, into += 3) {
            into[0] = from[2];
            into[1] = from[1];
            into[2] = from[0];
        }
    }
}

void* PackedBitmap::Release() {
    void* block = block_;
    block_ = nullptr;
    return block;
}

} // namespace quillox::sane_manager
