// libFuzzer target: the reader of what a scanner driver hands over in a native transfer, a
// packed bitmap or a TIFF file. Any block must either give a bitmap that converts to an image
// or be refused with an error, never read or write outside the block.
#include "platform/user_error.h"
#include "scan/twain/native_image.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A block of exactly the input's size, so that the sanitizer sees any read past its end.
    auto* block = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (size > 0)
        std::memcpy(block, data, size);
    try {
        const auto bitmap = quillox::twain::nativeImage(block, size);
        (void)bitmap.toImage();
    } catch (const quillox::platform::UserError&) {
    }
    std::free(block);
    return 0;
}
