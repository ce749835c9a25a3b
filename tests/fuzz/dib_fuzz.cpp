// libFuzzer target: the reader of packed bitmaps that scanner drivers hand over. Any block must
// either give a bitmap that converts to an image or be refused with an error, never read or
// write outside the block.
#include "platform/device_independent_bitmap.h"
#include "platform/user_error.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A block of exactly the input's size, so that the sanitizer sees any read past its end.
    auto* block = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (size > 0)
        std::memcpy(block, data, size);
    try {
        const auto bitmap = quillox::platform::DeviceIndependentBitmap::fromPacked(block, size);
        (void)bitmap.toImage();
    } catch (const quillox::platform::UserError&) {
    }
    std::free(block);
    return 0;
}
