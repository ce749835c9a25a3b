#include "scan/twain/native_image.h"

#include "platform/tiff_image.h"
#include "scan/twain/transfer_refusal.h"

namespace quillox::twain {

platform::DeviceIndependentBitmap nativeImage(const std::uint8_t* block, std::size_t size) {
    if (!platform::startsAsTiff(block, size))
        return platform::DeviceIndependentBitmap::fromPacked(block, size);
    if (!platform::canReadTiff())
        refuseTransfer("its page is a TIFF image, and the Qt plugin that reads TIFF images is "
                       "not installed (Debian package qt6-image-formats-plugins).");
    const QImage page = platform::readTiff(block, size);
    if (page.isNull())
        refuseTransfer("its page could not be read as a TIFF image.");
    return platform::DeviceIndependentBitmap::fromImage(page);
}

} // namespace quillox::twain
